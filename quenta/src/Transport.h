// Transport is the HTTP client of one operation: one libcurl easy handle, and
// so one kept-alive connection, for all of the operation's requests. Each
// request is a GET with version HTTP/1.0, the headers "Connection: keep-alive"
// and "Content-Type: application/x-www-form-urlencoded", the request target
// sent exactly as given (no normalisation by the client) and a body. Redirects
// are not followed. TLS certificates and host names are verified; the file
// named by QUENTA_CA_FILE is trusted in addition to the system's authorities.
// A connection that cannot be made in 30 s, or an answer that stalls for 60 s,
// is a network error. The usual proxy environment variables apply.
#pragma once

#include "UrlSplitter.h"

#include <string>

typedef void CURL;
struct curl_slist;

namespace quenta {

struct Reply {
    long status = 0;
    std::string body; // raw bytes of the answer
};

class Transport {
public:
    explicit Transport(const SplitUrl& url);
    ~Transport();
    Transport(const Transport&) = delete;
    Transport& operator=(const Transport&) = delete;

    // Sends one request; throws NetworkError when it cannot be made or answered.
    Reply send(const std::string& target, const std::string& body);

private:
    void trustExtraAuthority();

    CURL* handle_ = nullptr;
    curl_slist* headers_ = nullptr;
    std::string caBundle_;
    char errorText_[256] = {};
};

} // namespace quenta
