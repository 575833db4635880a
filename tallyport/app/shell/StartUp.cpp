#include "StartUp.h"

#include "AppError.h"
#include "CredentialStore.h"
#include "Globals.h"
#include "HostDatabase.h"
#include "LoginCommand.h"
#include "Messenger.h"
#include "SettingShift.h"

namespace tp {
namespace {

StartUpOutcome runSequence(Globals& g, Messenger& messenger, CredentialStore& store, LoginPrompt& login,
                           const PaymentCheck& checkForPaymentFile) {
    g.LoginMissing = false;
    g.DatabasePath = g.pathOf(HostDatabase::FileName).string();
    g.HostDatabase = HostDatabase::open(g.DatabasePath);

    std::string user = store.read("username");
    std::string password = store.read("password");
    std::string url = store.read("url");
    if (user.empty() || password.empty() || url.empty()) {
        if (!login.showLogin(g) || g.LoginMissing) {
            // The commands that need the service must refuse from here on, also after Cancel.
            g.LoginMissing = true;
            messenger.message(LoginMessageText, LoginMessageTitle, MessageIcon::Information);
            return StartUpOutcome::LoginMissing;
        }
        try {
            storeCredentials(g, store);
        } catch (const AppError&) {
            // The entries stay in use for this run; only storing them failed. The names are
            // derived so that no exchange works with an empty file name.
            DeriveExchangeFileNames(g);
            throw;
        }
        // The saved entries are in the shared state already, in plain text.
    } else {
        g.ServiceUser = DecodeSetting(user);
        g.ServicePassword = DecodeSetting(password);
        g.ServiceURL = DecodeSetting(url);
    }
    g.LoginMissing = g.ServiceURL.empty() || g.ServiceUser.empty() || g.ServicePassword.empty();
    if (g.LoginMissing) {
        messenger.message(LoginMessageText, LoginMessageTitle, MessageIcon::Information);
        return StartUpOutcome::LoginMissing;
    }
    DeriveExchangeFileNames(g);
    if (checkForPaymentFile) checkForPaymentFile(g, messenger);
    return StartUpOutcome::Ready;
}

}  // namespace

StartUpOutcome RunStartUp(Globals& g, Messenger& messenger, CredentialStore& store, LoginPrompt& login,
                          const PaymentCheck& checkForPaymentFile) {
    try {
        return runSequence(g, messenger, store, login, checkForPaymentFile);
    } catch (const AppError& e) {
        messenger.setBusy(false);
        switch (e.number()) {
        case err::DatabaseNotFound:
            messenger.message("Hestora data file not found - be sure that the Orvanta Program is copied into the "
                              "same directory or folder as the main Hestora Program.",
                              "Orvanta", MessageIcon::Information);
            return StartUpOutcome::EndProgram;
        case err::ItemNotFound:
            messenger.message("Company Orvanta field not found", "Orvanta", MessageIcon::Information);
            return StartUpOutcome::EndProgram;
        default:
            messenger.message(e.numberAndDescription(), "Orvanta Error Message", MessageIcon::Information);
            return StartUpOutcome::Stopped;
        }
    } catch (const std::exception& e) {
        messenger.setBusy(false);
        messenger.message(e.what(), "Orvanta Error Message", MessageIcon::Information);
        return StartUpOutcome::Stopped;
    }
}

}  // namespace tp
