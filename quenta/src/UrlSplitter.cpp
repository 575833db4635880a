// UrlSplitter: scheme, host and port of the component's URL (see UrlSplitter.h).
#include "UrlSplitter.h"

#include "NetworkError.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace quenta {
namespace {

struct UrlHandleDeleter {
    void operator()(CURLU* h) const { curl_url_cleanup(h); }
};
struct CurlTextDeleter {
    void operator()(char* p) const { curl_free(p); }
};
using CurlText = std::unique_ptr<char, CurlTextDeleter>;

CurlText part(CURLU* handle, CURLUPart which, unsigned flags) {
    char* value = nullptr;
    if (curl_url_get(handle, which, &value, flags) != CURLUE_OK) {
        return CurlText(nullptr);
    }
    return CurlText(value);
}

} // namespace

std::string SplitUrl::origin() const { return scheme + "://" + host + ":" + std::to_string(port); }

SplitUrl UrlSplitter::split(const std::string& url) {
    if (url.empty()) {
        throw NetworkError("The URL is empty.");
    }
    std::unique_ptr<CURLU, UrlHandleDeleter> handle(curl_url());
    if (!handle) {
        throw std::bad_alloc();
    }
    const CURLUcode rc =
        curl_url_set(handle.get(), CURLUPART_URL, url.c_str(), CURLU_NON_SUPPORT_SCHEME);
    if (rc != CURLUE_OK) {
        throw NetworkError("The URL \"" + url + "\" cannot be used: " + curl_url_strerror(rc) +
                           ".");
    }
    SplitUrl out;
    CurlText scheme = part(handle.get(), CURLUPART_SCHEME, 0);
    CurlText host = part(handle.get(), CURLUPART_HOST, 0);
    CurlText port = part(handle.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
    if (!scheme || !host || !port || *host.get() == '\0') {
        throw NetworkError("The URL \"" + url + "\" names no host.");
    }
    out.scheme = scheme.get();
    std::transform(out.scheme.begin(), out.scheme.end(), out.scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (out.scheme != "http" && out.scheme != "https") {
        throw NetworkError("The URL \"" + url + "\" does not start with http:// or https://.");
    }
    out.host = host.get();
    out.port = std::stol(port.get());
    return out;
}

} // namespace quenta
