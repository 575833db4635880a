// Windows-1252, the single-byte code page of exchange files, the ID file and the service's texts.
// In memory every text is UTF-8; these routines convert at the edges. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the code points of the same number, so
// every byte value round-trips.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tp::cp1252 {

// The byte for a Unicode code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> byteFor(char32_t codePoint);
// The Unicode code point of a byte.
char32_t codePointOf(unsigned char byte);

// UTF-8 to Windows-1252; a character the code page cannot hold (or a malformed UTF-8 sequence)
// becomes "?".
std::string fromUtf8(std::string_view utf8);
// UTF-8 to Windows-1252, or nothing when any character cannot be held.
std::optional<std::string> fromUtf8Strict(std::string_view utf8);
// Windows-1252 to UTF-8.
std::string toUtf8(std::string_view bytes);

// UTF-8 helpers shared by the text rules.
std::u32string decodeUtf8(std::string_view utf8);  // malformed bytes become U+FFFD
std::string encodeUtf8(std::u32string_view text);

}  // namespace tp::cp1252
