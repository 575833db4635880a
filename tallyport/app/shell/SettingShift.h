// The shift encoding of stored credentials: every character's Windows-1252 code moved by +3
// (EncodeSetting) or -3 (DecodeSetting). A character outside Windows-1252, or one whose shifted
// code would leave 0 to 255, is error 5 "Invalid procedure call or argument".
#pragma once

#include <string>
#include <string_view>

namespace tp {

std::string EncodeSetting(std::string_view text);
std::string DecodeSetting(std::string_view text);

}  // namespace tp
