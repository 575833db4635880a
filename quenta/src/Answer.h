// Answer turns the raw bytes of a service answer into text. The first line
// (up to the first CR or LF) is what the setup, tenant and recipient requests
// log. The whole text is read as the client reads it in chunks of at most 1024
// bytes, where a zero byte ends a chunk's text; the bytes are Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace quenta {

class Answer {
public:
    static constexpr std::size_t kChunkSize = 1024;
    static std::u16string firstLine(std::string_view body);
    static std::u16string wholeText(std::string_view body);
};

} // namespace quenta
