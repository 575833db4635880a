// Windows-1252 conversion at the edges: every byte round-trips through UTF-8 (the five undefined
// bytes included), characters the code page lacks become "?" (or fail the strict form), and
// malformed UTF-8 never passes through as raw bytes.
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tp {
namespace {

TEST(Windows1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string utf8 = cp1252::toUtf8(all);
    EXPECT_EQ(cp1252::fromUtf8(utf8), all);
    EXPECT_EQ(cp1252::fromUtf8Strict(utf8), all);
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(cp1252::codePointOf(undefined), char32_t(undefined));
}

TEST(Windows1252, MapsTheHighControlsToTheirTypographicCharacters) {
    EXPECT_EQ(cp1252::toUtf8("\x80"), "\xE2\x82\xAC");           // euro sign
    EXPECT_EQ(cp1252::toUtf8("\x93" "a\x94"), "\xE2\x80\x9C" "a\xE2\x80\x9D");
    EXPECT_EQ(cp1252::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(cp1252::byteFor(U'\u0178'), std::optional<unsigned char>(0x9F));
    EXPECT_EQ(cp1252::byteFor(U'\u0100'), std::nullopt);
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    // Greek omega, a CJK character, an emoji, then malformed bytes: a lone continuation byte, a
    // truncated sequence at the end.
    EXPECT_EQ(cp1252::fromUtf8("A\xCE\xA9" "B\xE4\xB8\xAD" "C\xF0\x9F\x98\x80" "D"), "A?B?C?D");
    EXPECT_EQ(cp1252::fromUtf8("x\x80y"), "x?y");
    EXPECT_EQ(cp1252::fromUtf8("x\xC3"), "x?");
    EXPECT_EQ(cp1252::fromUtf8Strict("A\xCE\xA9"), std::nullopt);
    EXPECT_EQ(cp1252::fromUtf8Strict("plain"), std::optional<std::string>("plain"));
}

}  // namespace
}  // namespace tp
