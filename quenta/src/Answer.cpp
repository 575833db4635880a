// Answer: text of a service answer (see Answer.h).
#include "Answer.h"

#include "Windows1252.h"

#include <algorithm>

namespace quenta {

std::u16string Answer::firstLine(std::string_view body) {
    const std::size_t end = body.find_first_of(std::string_view("\r\n\0", 3));
    return Windows1252::toUtf16(body.substr(0, end));
}

std::u16string Answer::wholeText(std::string_view body) {
    std::u16string text;
    for (std::size_t start = 0; start < body.size(); start += kChunkSize) {
        std::string_view chunk = body.substr(start, std::min(kChunkSize, body.size() - start));
        chunk = chunk.substr(0, chunk.find('\0'));
        text += Windows1252::toUtf16(chunk);
    }
    return text;
}

} // namespace quenta
