// The login: what the login screen's Save does with its three entries, and what "Reset Log in"
// does once the screen has closed (store the credentials shift-encoded, or show the login
// message). When the credentials become complete, the exchange-file names are derived and the
// ID file is read, so that no exchange works with an empty file name.
#pragma once

#include <string_view>

namespace tp {

struct Globals;
class Messenger;
class CredentialStore;

// Save on the login screen: the trimmed entries into the shared state; LoginMissing when any is
// empty.
void applyLoginEntries(Globals& g, std::string_view url, std::string_view user, std::string_view password);

// Stores the three credentials shift-encoded; nothing is stored when any cannot be encoded
// (error 5) or the settings file cannot be written (error 75).
void storeCredentials(const Globals& g, CredentialStore& store);

// After the login screen of "Reset Log in" closed. Errors (a character that cannot be shifted, a
// settings file that cannot be written, an unreadable ID file) are reported; nothing is stored
// unless all three values could be encoded.
void finishLogin(Globals& g, Messenger& messenger, CredentialStore& store);

// Derives the exchange-file names and reads the ID file when the names are not yet derived.
void credentialsBecameComplete(Globals& g);

}  // namespace tp
