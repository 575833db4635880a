// Utf8 turns the component's UTF-16 texts into UTF-8, the encoding of the log
// file. A lone surrogate becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace quenta {

class Utf8 {
public:
    static std::string fromUtf16(std::u16string_view text);
};

} // namespace quenta
