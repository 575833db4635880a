// Windows1252 converts between the component's UTF-16 texts and the single-byte
// Windows-1252 form in which data lines, the token and the service's answers
// travel. Every byte value maps to one code point and back: the five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the code
// points of the same number. A character the code page cannot hold becomes "?".
#pragma once

#include <string>
#include <string_view>

namespace quenta {

class Windows1252 {
public:
    static std::string fromUtf16(std::u16string_view text);
    static std::u16string toUtf16(std::string_view bytes);
    static char16_t decode(unsigned char byte);
};

} // namespace quenta
