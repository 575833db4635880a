// Log: the time-stamped diagnostic log (see Log.h).
#include "Log.h"

#include "Utf8.h"

#include <cstdio>
#include <ctime>

namespace quenta {

void Log::writeLog(std::string_view message) {
    std::FILE* file = std::fopen(kFileName, "a");
    if (file == nullptr) {
        return;
    }
    char stamp[128] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now != static_cast<std::time_t>(-1) && localtime_r(&now, &local) != nullptr) {
        if (std::strftime(stamp, sizeof stamp, "[%Y-%m-%d %H:%M:%S%Z] ", &local) == 0) {
            stamp[0] = '\0';
        }
    }
    std::string line(stamp);
    line.append(message);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

void Log::writeLog(std::u16string_view message) { writeLog(Utf8::fromUtf16(message)); }

std::string Log::maskToken(std::string_view target) {
    std::string out(target);
    const std::string key = "token=";
    std::size_t pos = 0;
    while ((pos = out.find(key, pos)) != std::string::npos) {
        const bool startsParameter = pos == 0 || out[pos - 1] == '?' || out[pos - 1] == '&';
        pos += key.size();
        if (!startsParameter) {
            continue;
        }
        const std::size_t end = out.find('&', pos);
        const std::size_t count = end == std::string::npos ? std::string::npos : end - pos;
        out.replace(pos, count, kMask);
        pos += std::string(kMask).size();
    }
    return out;
}

} // namespace quenta
