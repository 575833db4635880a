#include "CliCommands.h"

#include "AppError.h"
#include "CredentialStore.h"
#include "DemoPortfolio.h"
#include "ExchangeFileViewer.h"
#include "ExchangeFiles.h"
#include "Globals.h"
#include "HostDatabase.h"
#include "IdFile.h"
#include "LoginCommand.h"
#include "Messenger.h"
#include "StartUp.h"
#include "UploadAll.h"
#include "UploaderComponent.h"

#include <algorithm>
#include <iostream>

namespace tp {
namespace {

// The front end never asks for credentials on its own: `login` stores them.
class NoLoginPrompt : public LoginPrompt {
public:
    bool showLogin(Globals&) override { return false; }
};

std::string lineCount(const Globals& g, const std::string& name) {
    if (!fileExists(g.pathOf(name))) return "no file";
    std::string bytes = readFileBytes(g.pathOf(name));
    return std::to_string(std::count(bytes.begin(), bytes.end(), '\n')) + " lines";
}

}  // namespace

bool cliStartUp(Globals& g, Messenger& messenger, CredentialStore& store) {
    NoLoginPrompt prompt;
    StartUpOutcome outcome = RunStartUp(g, messenger, store, prompt, [](Globals& globals, Messenger&) {
        LoadIDFile(globals);
    });
    return outcome == StartUpOutcome::Ready || outcome == StartUpOutcome::Stopped;
}

int initDbCommand(Globals& g, Messenger& messenger, bool demo) {
    try {
        auto db = HostDatabase::create(g.DatabasePath);
        if (demo) {
            fillDemoPortfolio(*db);
            if (!fileExists(g.pathOf(IdFileName))) writeFileAtomically(g.pathOf(IdFileName), demoIdFileText());
        }
        std::cout << "Created " << g.DatabasePath << (demo ? " with the demo portfolio" : "") << std::endl;
        return 0;
    } catch (const AppError& e) {
        reportError(messenger, e);
        return 1;
    }
}

int loginCommand(Globals& g, Messenger& messenger, CredentialStore& store, const std::string& user,
                 const std::string& password, const std::string& url) {
    applyLoginEntries(g, url, user, password);
    if (g.LoginMissing) {
        messenger.message(LoginMessageText, LoginMessageTitle, MessageIcon::Information);
        return 1;
    }
    try {
        storeCredentials(g, store);
    } catch (const AppError& e) {
        reportError(messenger, e);
        return 1;
    }
    std::cout << "Stored the login in " << store.path().string() << std::endl;
    return 0;
}

int uploadAllDryRunCommand(Globals& g, Messenger& messenger, CredentialStore& store) {
    if (!cliStartUp(g, messenger, store) || g.LoginMissing) return 1;
    try {
        if (!BuildUploadAllFiles(g, messenger)) return 1;
    } catch (const AppError& e) {
        reportError(messenger, e);
        return 1;
    }
    std::cout << "Setup file " << g.pathOf(g.SetupFileName).string() << ": " << lineCount(g, g.SetupFileName)
              << "\nTenant file " << g.pathOf(g.TenantListFileName).string() << ": "
              << lineCount(g, g.TenantListFileName) << "\nDry run: nothing was sent." << std::endl;
    return 0;
}

int uploadAllCommand(Globals& g, Messenger& messenger, CredentialStore& store) {
    if (!cliStartUp(g, messenger, store) || g.LoginMissing) return 1;
    return UploadAllInfoNow(g, messenger, defaultUploaderFactory()) ? 0 : 1;
}

int filesCommand(Globals& g, Messenger& messenger, CredentialStore& store) {
    cliStartUp(g, messenger, store);
    ExchangeFileViewer viewer(g, messenger);
    int index = 0;
    for (const ExchangeFileViewer::Entry& entry : viewer.entries()) std::cout << index++ << " " << entry.caption << "\n";
    std::cout << std::flush;
    return 0;
}

int showCommand(Globals& g, Messenger& messenger, CredentialStore& store, int index) {
    cliStartUp(g, messenger, store);
    ExchangeFileViewer viewer(g, messenger);
    if (!viewer.select(index)) return 2;
    std::vector<std::string> lines = viewer.choose(index);
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::cout << line << "\n";
    }
    std::cout << std::flush;
    return lines.empty() ? 1 : 0;
}

int deleteCommand(Globals& g, Messenger& messenger, CredentialStore& store, int index) {
    cliStartUp(g, messenger, store);
    ExchangeFileViewer viewer(g, messenger);
    if (!viewer.select(index)) return 2;
    return viewer.deleteChosen() ? 0 : 1;
}

}  // namespace tp
