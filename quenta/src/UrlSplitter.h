// UrlSplitter (spliturl) takes the component's URL apart with libcurl's URL
// parser. Only the scheme, the host and the port are used: a URL without a port
// gets 80 for http and 443 for https; its path, query, user name and password
// are ignored, since every request goes to the service's one script. An empty
// URL, one that does not parse, or a scheme other than http and https throws
// NetworkError.
#pragma once

#include <string>

namespace quenta {

struct SplitUrl {
    std::string scheme; // "http" or "https"
    std::string host;   // as written in the URL (IPv6 literals keep their brackets)
    long port = 0;
    bool secure() const { return scheme == "https"; }
    // scheme://host:port, the base the fixed script path is sent against
    std::string origin() const;
};

class UrlSplitter {
public:
    static SplitUrl split(const std::string& url);
};

} // namespace quenta
