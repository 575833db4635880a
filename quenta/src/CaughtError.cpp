// CaughtError: an operation's error handler (see CaughtError.h).
#include "CaughtError.h"

#include "Log.h"
#include "Windows1252.h"

namespace quenta {

void CaughtError::record(UploaderState& state, std::string_view message) {
    std::u16string text = Windows1252::toUtf16(message.substr(0, kMaximumLength));
    if (text.empty()) {
        text = u"Unknown error.";
    }
    state.payments = text;
    Log::writeLog(u"EXCEPTION:" + text);
    state.status = kStatus;
}

} // namespace quenta
