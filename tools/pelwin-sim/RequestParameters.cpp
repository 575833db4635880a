// RequestParameters: the parameters of one request (see RequestParameters.h).
#include "RequestParameters.h"

#include <map>

namespace pelwin {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::map<std::string, std::string> parameters(std::string_view text) {
    std::map<std::string, std::string> out;
    while (!text.empty()) {
        const std::size_t amp = text.find('&');
        const std::string_view pair = text.substr(0, amp);
        const std::size_t eq = pair.find('=');
        const std::string key = RequestParameters::percentDecode(pair.substr(0, eq));
        const std::string value = eq == std::string_view::npos
                                      ? std::string()
                                      : RequestParameters::percentDecode(pair.substr(eq + 1));
        out.emplace(key, value);
        if (amp == std::string_view::npos) {
            break;
        }
        text.remove_prefix(amp + 1);
    }
    return out;
}

} // namespace

std::string RequestParameters::percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

RequestParameters RequestParameters::parse(std::string_view target, std::string_view body) {
    RequestParameters r;
    const std::size_t question = target.find('?');
    r.path = std::string(target.substr(0, question));
    auto fromQuery = question == std::string_view::npos
                         ? std::map<std::string, std::string>()
                         : parameters(target.substr(question + 1));
    const auto fromBody = parameters(body);
    for (const auto& [key, value] : fromBody) {
        fromQuery.emplace(key, value);
    }
    const auto take = [&](const char* key) {
        const auto it = fromQuery.find(key);
        return it == fromQuery.end() ? std::string() : it->second;
    };
    r.op = take("op");
    r.data = take("data");
    r.token = take("token");
    return r;
}

} // namespace pelwin
