// Keeping the payments an exchange fetched. Every upload that sends tenants ends with the payment
// request, and the service hands each waiting payment out only once; payments that came back with
// such an exchange are therefore kept in the payment file (written anew, or appended to a pending
// one) instead of being dropped, and the user is told they can be posted.
#pragma once

#include <string>

namespace tp {

struct Globals;
class Messenger;

inline constexpr const char* PaymentsKeptText =
    "Orvanta Tenant payments were received with this upload. They were saved and can be posted with "
    "'Download and Post Rent Payments'.";

// Whether a service answer holds payment records (it starts with "P" and a digit).
bool holdsPayments(const std::string& answer);

// Keeps `answer` (the component's Payments after a successful call) when it holds payments: as the
// payment file, or appended to the pending one (its records first, then the new ones, one CR LF
// at the end). Returns whether anything was kept; the user is told when it was.
bool KeepFetchedPayments(Globals& g, Messenger& messenger, const std::string& answer);

}  // namespace tp
