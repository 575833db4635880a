#include "Windows1252.h"

#include <array>

namespace tp::cp1252 {
namespace {

// Code points of bytes 0x80 to 0x9F; the undefined ones map to themselves.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? HighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> byteFor(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        bool truncated = extra > 0 && i + extra >= s.size();
        if (extra < 0 || truncated) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            auto cont = static_cast<unsigned char>(s[i + k]);
            if ((cont & 0xC0) != 0x80) { ok = false; break; }
            c = (c << 6) | (cont & 0x3F);
        }
        if (!ok) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += extra + 1;
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) appendUtf8(out, c);
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool ascii = true;
    for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(utf8);
    for (char32_t c : decodeUtf8(utf8)) out += static_cast<char>(byteFor(c).value_or('?'));
    return out;
}

std::optional<std::string> fromUtf8Strict(std::string_view utf8) {
    std::string out;
    for (char32_t c : decodeUtf8(utf8)) {
        auto b = byteFor(c);
        if (!b) return std::nullopt;
        out += static_cast<char>(*b);
    }
    return out;
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace tp::cp1252
