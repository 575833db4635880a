#include "LoginCommand.h"

#include "AppError.h"
#include "CredentialStore.h"
#include "Globals.h"
#include "IdFile.h"
#include "Messenger.h"
#include "SettingShift.h"
#include "TextRules.h"

namespace tp {

void applyLoginEntries(Globals& g, std::string_view url, std::string_view user, std::string_view password) {
    g.ServiceURL = trim(url);
    g.ServiceUser = trim(user);
    g.ServicePassword = trim(password);
    g.LoginMissing = g.ServiceURL.empty() || g.ServiceUser.empty() || g.ServicePassword.empty();
}

void credentialsBecameComplete(Globals& g) {
    if (!g.SetupFileName.empty()) return;
    DeriveExchangeFileNames(g);
    LoadIDFile(g);
}

void storeCredentials(const Globals& g, CredentialStore& store) {
    std::string user = EncodeSetting(g.ServiceUser);
    std::string password = EncodeSetting(g.ServicePassword);
    std::string url = EncodeSetting(g.ServiceURL);
    store.writeAll(user, password, url);
}

void finishLogin(Globals& g, Messenger& messenger, CredentialStore& store) {
    if (g.LoginMissing) {
        messenger.message(LoginMessageText, LoginMessageTitle, MessageIcon::Information);
        return;
    }
    try {
        storeCredentials(g, store);
        credentialsBecameComplete(g);
    } catch (const AppError& e) {
        reportError(messenger, e);
    }
}

}  // namespace tp
