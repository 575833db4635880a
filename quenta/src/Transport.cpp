// Transport: one libcurl handle per operation (see Transport.h).
#include "Transport.h"

#include "NetworkError.h"

#include <curl/curl.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <new>
#include <sstream>

namespace quenta {
namespace {

constexpr const char* kUserAgent = "QuentaUploadLibrary/0.3";
constexpr const char* kScriptPath = "/integration/upload.php";
constexpr long kConnectSeconds = 30;
constexpr long kStallSeconds = 60;

static_assert(CURL_ERROR_SIZE <= 256, "error buffer too small");

size_t collect(char* data, size_t size, size_t count, void* userdata) {
    static_cast<std::string*>(userdata)->append(data, size * count);
    return size * count;
}

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}

void ensureGlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

Transport::Transport(const SplitUrl& url) {
    ensureGlobalInit();
    handle_ = curl_easy_init();
    if (handle_ == nullptr) {
        throw NetworkError("The HTTP client could not be created.");
    }
    const char* headerLines[] = {"Connection: keep-alive",
                                 "Content-Type: application/x-www-form-urlencoded", "Expect:"};
    for (const char* line : headerLines) {
        curl_slist* next = curl_slist_append(headers_, line);
        if (next == nullptr) {
            curl_slist_free_all(headers_);
            curl_easy_cleanup(handle_);
            throw std::bad_alloc();
        }
        headers_ = next;
    }
    const std::string base = url.origin() + kScriptPath;
    curl_easy_setopt(handle_, CURLOPT_URL, base.c_str());
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, errorText_);
    curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle_, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(handle_, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(handle_, CURLOPT_CUSTOMREQUEST, "GET");
    curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, headers_);
    curl_easy_setopt(handle_, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, collect);
    try {
        trustExtraAuthority();
    } catch (...) {
        curl_slist_free_all(headers_);
        curl_easy_cleanup(handle_);
        throw;
    }
}

Transport::~Transport() {
    curl_easy_cleanup(handle_);
    curl_slist_free_all(headers_);
}

// Setting a CA file replaces the default bundle, so the default bundle and the
// extra file are handed over together as one in-memory bundle.
void Transport::trustExtraAuthority() {
    const char* extra = std::getenv("QUENTA_CA_FILE");
    if (extra == nullptr || *extra == '\0') {
        return;
    }
    std::string extraText;
    if (!readFile(extra, extraText)) {
        throw NetworkError(std::string("The certificate authority file \"") + extra +
                           "\" cannot be read.");
    }
    char* defaultBundle = nullptr;
    if (curl_easy_getinfo(handle_, CURLINFO_CAINFO, &defaultBundle) == CURLE_OK &&
        defaultBundle != nullptr) {
        readFile(defaultBundle, caBundle_);
    }
    if (!caBundle_.empty() && caBundle_.back() != '\n') {
        caBundle_.push_back('\n');
    }
    caBundle_ += extraText;
    curl_blob blob{};
    blob.data = caBundle_.data();
    blob.len = caBundle_.size();
    blob.flags = CURL_BLOB_NOCOPY;
    curl_easy_setopt(handle_, CURLOPT_CAINFO_BLOB, &blob);
}

Reply Transport::send(const std::string& target, const std::string& body) {
    Reply reply;
    errorText_[0] = '\0';
    curl_easy_setopt(handle_, CURLOPT_REQUEST_TARGET, target.c_str());
    curl_easy_setopt(handle_, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(handle_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &reply.body);
    const CURLcode rc = curl_easy_perform(handle_);
    if (rc != CURLE_OK) {
        std::string message = errorText_[0] != '\0' ? errorText_ : curl_easy_strerror(rc);
        throw NetworkError(message);
    }
    curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &reply.status);
    return reply;
}

} // namespace quenta
