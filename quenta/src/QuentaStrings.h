// QuentaStrings allocates, frees and reads the length-prefixed UTF-16 strings
// that cross the component's interface: a 32-bit byte length, the code units
// and a terminating zero unit, the pointer handed out pointing at the first
// unit. It also converts them to and from std::u16string for the code inside.
#pragma once

#include "quenta.h"

#include <string>
#include <string_view>

namespace quenta {

class QuentaStrings {
public:
    static QuentaString allocate(const uint16_t* units, uint32_t count);
    static void free(QuentaString s);
    static uint32_t length(QuentaString s);

    // The text of s up to its first zero unit; null is the empty text.
    static std::u16string read(QuentaString s);
    // A new string; throws std::bad_alloc when memory runs out.
    static QuentaString make(std::u16string_view text);
};

} // namespace quenta
