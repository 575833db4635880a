// Log is the component's diagnostic log, "QuentaDLL.log" in the current
// directory. Every line is written by writeLog, which opens the file for
// appending, writes a time stamp "[%Y-%m-%d %H:%M:%S%Z] ", the message and a
// line feed, and closes the file again. Messages are written as UTF-8. A file
// that cannot be opened makes writeLog a silent no-op. The password and the
// token never reach the file: callers pass them through the masking helpers.
#pragma once

#include <string>
#include <string_view>

namespace quenta {

class Log {
public:
    static constexpr const char* kFileName = "QuentaDLL.log";
    static constexpr const char* kMask = "********";

    static void writeLog(std::string_view message);
    static void writeLog(std::u16string_view message);
    // A request target with the value of its "token" parameter replaced by the mask.
    static std::string maskToken(std::string_view target);
};

} // namespace quenta
