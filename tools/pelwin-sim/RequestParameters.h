// RequestParameters reads "op", "data" and "token" from a request. The raw
// request target's query is read first and the body fills what the query
// lacks. Values are percent-decoded (the client sends CR LF as %0D%0A) but a
// "+" stays a "+": it is a Base64 character here, never a blank.
#pragma once

#include <string>
#include <string_view>

namespace pelwin {

struct RequestParameters {
    std::string path;
    std::string op;
    std::string data;  // still Base64
    std::string token; // still Base64

    static RequestParameters parse(std::string_view target, std::string_view body);
    static std::string percentDecode(std::string_view text);
};

} // namespace pelwin
