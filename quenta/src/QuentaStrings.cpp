// QuentaStrings: the interface's string type (see QuentaStrings.h).
#include "QuentaStrings.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace quenta {
namespace {
constexpr std::size_t kPrefix = sizeof(uint32_t);
constexpr uint32_t kMaxUnits = (0xFFFFFFFFu - 8u) / 2u;

unsigned char* blockOf(QuentaString s) { return reinterpret_cast<unsigned char*>(s) - kPrefix; }
} // namespace

QuentaString QuentaStrings::allocate(const uint16_t* units, uint32_t count) {
    if (count > kMaxUnits) {
        return nullptr;
    }
    const std::size_t bytes = static_cast<std::size_t>(count) * sizeof(uint16_t);
    auto* block = static_cast<unsigned char*>(std::malloc(kPrefix + bytes + sizeof(uint16_t)));
    if (block == nullptr) {
        return nullptr;
    }
    const auto byteLength = static_cast<uint32_t>(bytes);
    std::memcpy(block, &byteLength, kPrefix);
    auto* text = reinterpret_cast<uint16_t*>(block + kPrefix);
    if (units != nullptr) {
        std::memcpy(text, units, bytes);
    } else {
        std::memset(text, 0, bytes);
    }
    text[count] = 0;
    return text;
}

void QuentaStrings::free(QuentaString s) {
    if (s != nullptr) {
        std::free(blockOf(s));
    }
}

uint32_t QuentaStrings::length(QuentaString s) {
    if (s == nullptr) {
        return 0;
    }
    uint32_t byteLength = 0;
    std::memcpy(&byteLength, blockOf(s), kPrefix);
    return byteLength / sizeof(uint16_t);
}

std::u16string QuentaStrings::read(QuentaString s) {
    std::u16string out;
    const uint32_t n = length(s);
    for (uint32_t i = 0; i < n && s[i] != 0; ++i) {
        out.push_back(static_cast<char16_t>(s[i]));
    }
    return out;
}

QuentaString QuentaStrings::make(std::u16string_view text) {
    QuentaString s = allocate(reinterpret_cast<const uint16_t*>(text.data()),
                              static_cast<uint32_t>(text.size()));
    if (s == nullptr) {
        throw std::bad_alloc();
    }
    return s;
}

} // namespace quenta
