// The commands of tallyport-cli. Each returns the process exit code: 0 when it did its job, 1 when
// it stopped with a message.
#pragma once

#include <string>
#include <vector>

namespace tp {

struct Globals;
class Messenger;
class CredentialStore;

int initDbCommand(Globals& g, Messenger& messenger, bool demo);
int loginCommand(Globals& g, Messenger& messenger, CredentialStore& store, const std::string& user,
                 const std::string& password, const std::string& url);
int uploadAllDryRunCommand(Globals& g, Messenger& messenger, CredentialStore& store);
int uploadAllCommand(Globals& g, Messenger& messenger, CredentialStore& store);
int filesCommand(Globals& g, Messenger& messenger, CredentialStore& store);
int showCommand(Globals& g, Messenger& messenger, CredentialStore& store, int index);
int deleteCommand(Globals& g, Messenger& messenger, CredentialStore& store, int index);

// Runs the start-up sequence as the front end does it: no login screen, and the ID file loaded in
// place of a payment download. False when the command cannot go on.
bool cliStartUp(Globals& g, Messenger& messenger, CredentialStore& store);

}  // namespace tp
