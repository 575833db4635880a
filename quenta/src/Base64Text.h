// Base64Text encodes the data lines and the credentials for the service.
// EncodeBase64Text takes a text, converts it to Windows-1252 and returns its
// Base64 form with the line breaks the service expects: the output of the whole
// three-byte groups is cut into lines of 76 characters and every complete line
// is followed by CR LF (also at the very end); the characters for a last one or
// two bytes follow without a break. MakeToken is the Base64 form of
// User + ":" + Password + ":".
#pragma once

#include <string>
#include <string_view>

namespace quenta {

class Base64Text {
public:
    static std::string encodeBytes(std::string_view bytes);
    static std::string encodeText(std::u16string_view text);
    static std::string makeToken(std::u16string_view user, std::u16string_view password);
};

} // namespace quenta
