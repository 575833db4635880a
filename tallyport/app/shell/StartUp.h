// The start-up sequence without its screen: open the host database, restore the stored
// credentials (asking for them through the login prompt when any is missing), fix the exchange-
// file names and run the payment check. Its error handler reports a missing database (3024) and
// a missing table or field (3265), which end the program, and any other error, which leaves the
// menu usable.
#pragma once

#include <functional>

namespace tp {

struct Globals;
class Messenger;
class CredentialStore;

// Shows the login screen modally; true when it was closed with Save (the entries are then in the
// shared state, LoginMissing set as Save sets it).
class LoginPrompt {
public:
    virtual ~LoginPrompt() = default;
    virtual bool showLogin(Globals& g) = 0;
};

enum class StartUpOutcome {
    Ready,         // credentials complete, names derived, payment check run
    LoginMissing,  // the menu opens; commands that need the service show the login message
    Stopped,       // an error was reported; the menu stays usable
    EndProgram,    // the database or one of its fields is missing: the program ends
};

using PaymentCheck = std::function<void(Globals&, Messenger&)>;

StartUpOutcome RunStartUp(Globals& g, Messenger& messenger, CredentialStore& store, LoginPrompt& login,
                          const PaymentCheck& checkForPaymentFile);

}  // namespace tp
