// ReportServiceResult: the one message every exchange with the service ends with: the success
// message when LastResult is "True" and the status is 200, otherwise the message for the status.
#pragma once

#include <cstdint>
#include <string>

namespace tp {

struct Globals;
class Messenger;

inline constexpr const char* SuccessMessageText = "Successful connection to Pelwin Payment Services!";

// The message text for a status, as shown after a failed exchange.
std::string serviceErrorText(std::int16_t status);

void ReportServiceResult(const Globals& g, Messenger& messenger, std::int16_t status);

}  // namespace tp
