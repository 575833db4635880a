// Base64Decoder decodes the "data" and "token" values. Line breaks and other
// characters outside the Base64 alphabet are skipped, so the CR LF the client
// puts after every 76 characters does no harm; decoding stops at "=".
#pragma once

#include <string>
#include <string_view>

namespace pelwin {

class Base64Decoder {
public:
    static std::string decode(std::string_view text);
};

} // namespace pelwin
