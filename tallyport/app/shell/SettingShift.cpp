#include "SettingShift.h"

#include "AppError.h"
#include "Windows1252.h"

namespace tp {
namespace {

std::string shift(std::string_view text, int by) {
    std::u32string out;
    for (char32_t c : cp1252::decodeUtf8(text)) {
        auto code = cp1252::byteFor(c);
        int shifted = code ? *code + by : -1;
        if (shifted < 0 || shifted > 255)
            throw AppError(err::InvalidProcedureCall, "Invalid procedure call or argument");
        out += cp1252::codePointOf(static_cast<unsigned char>(shifted));
    }
    return cp1252::encodeUtf8(out);
}

}  // namespace

std::string EncodeSetting(std::string_view text) { return shift(text, 3); }
std::string DecodeSetting(std::string_view text) { return shift(text, -3); }

}  // namespace tp
