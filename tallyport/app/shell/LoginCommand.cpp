#include "LoginCommand.h"

#include "AppError.h"
#include "CredentialStore.h"
#include "Globals.h"
#include "IdFile.h"
#include "Messenger.h"
#include "SettingShift.h"
#include "TextRules.h"

#include <optional>

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
    // The entries are complete and in use for this run even when they cannot be stored, so the
    // names are derived and the ID file read in any case; the first error is reported.
    std::optional<AppError> failure;
    try {
        storeCredentials(g, store);
    } catch (const AppError& e) {
        failure = e;
    }
    try {
        credentialsBecameComplete(g);
    } catch (const AppError& e) {
        if (!failure) failure = e;
    }
    if (failure) reportError(messenger, *failure);
}

}  // namespace tp
