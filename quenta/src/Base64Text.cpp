// Base64Text: Base64 with 76-character lines (see Base64Text.h).
#include "Base64Text.h"

#include "Windows1252.h"

namespace quenta {
namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineLength = 76;
} // namespace

std::string Base64Text::encodeBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() / 3 * 4 + bytes.size() / 57 * 2 + 8);
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const std::size_t whole = bytes.size() / 3 * 3;
    std::size_t column = 0;
    for (std::size_t i = 0; i < whole; i += 3) {
        const unsigned v = (byteAt(i) << 16) | (byteAt(i + 1) << 8) | byteAt(i + 2);
        for (int shift = 18; shift >= 0; shift -= 6) {
            out.push_back(kAlphabet[(v >> shift) & 0x3F]);
        }
        column += 4;
        if (column == kLineLength) {
            out += "\r\n";
            column = 0;
        }
    }
    const std::size_t rest = bytes.size() - whole;
    if (rest > 0) {
        unsigned v = byteAt(whole) << 16;
        if (rest == 2) {
            v |= byteAt(whole + 1) << 8;
        }
        out.push_back(kAlphabet[(v >> 18) & 0x3F]);
        out.push_back(kAlphabet[(v >> 12) & 0x3F]);
        out.push_back(rest == 2 ? kAlphabet[(v >> 6) & 0x3F] : '=');
        out.push_back('=');
    }
    return out;
}

std::string Base64Text::encodeText(std::u16string_view text) {
    return encodeBytes(Windows1252::fromUtf16(text));
}

std::string Base64Text::makeToken(std::u16string_view user, std::u16string_view password) {
    std::u16string credentials(user);
    credentials += u':';
    credentials += password;
    credentials += u':';
    return encodeText(credentials);
}

} // namespace quenta
