// Test support for the uploader component (see QuentaTestSupport.h).
#include "QuentaTestSupport.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qt {

// ---- library ----------------------------------------------------------------

const Library& Library::get() {
    static const Library library = [] {
        void* handle = dlopen(QUENTA_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            throw std::runtime_error(std::string("dlopen: ") + dlerror());
        }
        Library l;
        l.getClassObject =
            reinterpret_cast<QuentaDllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
        l.canUnloadNow = reinterpret_cast<QuentaDllCanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
        l.stringAlloc = reinterpret_cast<QuentaStringAllocFn>(dlsym(handle, "QuentaStringAlloc"));
        l.stringFree = reinterpret_cast<QuentaStringFreeFn>(dlsym(handle, "QuentaStringFree"));
        l.stringLength = reinterpret_cast<QuentaStringLengthFn>(dlsym(handle, "QuentaStringLength"));
        if (!l.getClassObject || !l.canUnloadNow || !l.stringAlloc || !l.stringFree ||
            !l.stringLength) {
            throw std::runtime_error("libquenta.so lacks an export");
        }
        return l;
    }();
    return library;
}

std::u16string utf16(const std::string& utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = b;
        int extra = 0;
        if (b >= 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else if (b >= 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if (b >= 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < utf8.size(); ++k, ++i) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

Text::Text(const std::u16string& units)
    : s_(Library::get().stringAlloc(reinterpret_cast<const uint16_t*>(units.data()),
                                    static_cast<uint32_t>(units.size()))) {}

Text::~Text() { Library::get().stringFree(s_); }

std::string Text::str() const {
    const uint32_t n = Library::get().stringLength(s_);
    return utf8(std::u16string_view(reinterpret_cast<const char16_t*>(s_), n));
}

// ---- Uploader -----------------------------------------------------------------

Uploader::Uploader() {
    QuentaClassFactory* factory = nullptr;
    const QuentaStatus got = Library::get().getClassObject(
        &QUENTA_CLSID_Uploader, &QUENTA_IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (got != QUENTA_S_OK) {
        throw std::runtime_error("no class factory");
    }
    const QuentaStatus made = factory->lpVtbl->CreateInstance(
        factory, nullptr, &QUENTA_IID_IUploader, reinterpret_cast<void**>(&p_));
    factory->lpVtbl->Release(factory);
    if (made != QUENTA_S_OK) {
        throw std::runtime_error("no Uploader");
    }
}

Uploader::~Uploader() { release(); }

void Uploader::release() {
    if (p_ != nullptr) {
        p_->lpVtbl->Release(p_);
        p_ = nullptr;
    }
}

void Uploader::connect(const std::string& url, const std::string& user,
                       const std::string& password) {
    Text u(url), n(user), p(password);
    EXPECT_EQ(p_->lpVtbl->put_URL(p_, u.get()), QUENTA_S_OK);
    EXPECT_EQ(p_->lpVtbl->put_User(p_, n.get()), QUENTA_S_OK);
    EXPECT_EQ(p_->lpVtbl->put_Password(p_, p.get()), QUENTA_S_OK);
}

Outcome Uploader::current() {
    Outcome o;
    EXPECT_EQ(p_->lpVtbl->get_Status(p_, &o.status), QUENTA_S_OK);
    Text payments;
    EXPECT_EQ(p_->lpVtbl->get_Payments(p_, payments.out()), QUENTA_S_OK);
    o.payments = payments.str();
    return o;
}

Outcome Uploader::tenants(const std::string& setup, const std::string& tenant) {
    Text s(setup), t(tenant);
    QuentaBool result = 7;
    EXPECT_EQ(p_->lpVtbl->UploadTenants(p_, s.get(), t.get(), &result), QUENTA_S_OK);
    Outcome o = current();
    o.result = result;
    return o;
}

Outcome Uploader::bills(const std::string& recipients, const std::string& payments,
                        const std::string& pending) {
    Text r(recipients), p(payments), q(pending);
    QuentaBool result = 7;
    EXPECT_EQ(p_->lpVtbl->UploadBills(p_, r.get(), p.get(), q.get(), &result), QUENTA_S_OK);
    Outcome o = current();
    o.result = result;
    return o;
}

// ---- folder fixture -----------------------------------------------------------

void FolderTest::SetUp() {
    previous_ = fs::current_path().string();
    std::string pattern = (fs::temp_directory_path() / "quenta-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    fs::current_path(folder_);
}

void FolderTest::TearDown() {
    fs::current_path(previous_);
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

std::string FolderTest::logText() const { return readFile(folder_ + "/QuentaDLL.log"); }

std::vector<std::string> FolderTest::logLines() const {
    static const std::regex stamp(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d(EST|EDT)\] )");
    std::vector<std::string> lines;
    std::istringstream in(logText());
    std::string line;
    while (std::getline(in, line)) {
        std::smatch m;
        if (std::regex_search(line, m, stamp)) {
            lines.push_back(m.suffix());
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

// ---- recorded requests and answers --------------------------------------------

namespace {

std::string paramOf(const std::string& text, const std::string& name) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t amp = text.find('&', start);
        const std::string pair = text.substr(start, amp == std::string::npos ? amp : amp - start);
        if (pair.compare(0, name.size() + 1, name + "=") == 0) {
            return pair.substr(name.size() + 1);
        }
        if (amp == std::string::npos) {
            break;
        }
        start = amp + 1;
    }
    return "";
}

std::string unescapeLineBreaks(std::string text) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"%0D", "\r"}, {"%0A", "\n"}}) {
        std::size_t pos = 0;
        while ((pos = text.find(from, pos)) != std::string::npos) {
            text.replace(pos, from.size(), to);
            pos += to.size();
        }
    }
    return text;
}

} // namespace

std::string RecordedRequest::param(const std::string& name) const {
    const std::size_t q = target.find('?');
    return q == std::string::npos ? "" : unescapeLineBreaks(paramOf(target.substr(q + 1), name));
}

std::string RecordedRequest::query() const {
    const std::size_t q = target.find('?');
    return q == std::string::npos ? "" : unescapeLineBreaks(target.substr(q + 1));
}

std::string RecordedRequest::bodyParam(const std::string& name) const {
    return paramOf(body, name);
}

std::string RecordedRequest::dataLine() const { return base64Decode(param("data")); }

std::string base64Decode(const std::string& text) {
    static const std::string alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    for (char c : text) {
        const auto v = alphabet.find(c);
        if (v == std::string::npos) {
            continue;
        }
        buffer = (buffer << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((buffer >> bits) & 0xFF));
        }
    }
    return out;
}

std::string answer(int status, const std::string& body, const std::string& extraHeaders) {
    return "HTTP/1.0 " + std::to_string(status) + " Status\r\nConnection: keep-alive\r\n" +
           extraHeaders + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string chunkedAnswer(int status, const std::string& body, std::size_t piece) {
    std::ostringstream out;
    out << "HTTP/1.1 " << status << " Status\r\nTransfer-Encoding: chunked\r\n\r\n";
    for (std::size_t i = 0; i < body.size(); i += piece) {
        const std::string part = body.substr(i, piece);
        out << std::hex << part.size() << "\r\n" << part << "\r\n";
    }
    out << "0\r\n\r\n";
    return out.str();
}

// ---- scripted server ------------------------------------------------------------

ScriptedServer::ScriptedServer(Handler handler) : handler_(std::move(handler)) {
    listenFd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        listen(listenFd_, 16) != 0) {
        throw std::runtime_error("cannot listen");
    }
    socklen_t len = sizeof addr;
    getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { run(); });
}

ScriptedServer::~ScriptedServer() {
    stop_ = true;
    thread_.join();
    close(listenFd_);
}

std::string ScriptedServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<RecordedRequest> ScriptedServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void ScriptedServer::run() {
    while (!stop_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) {
            continue;
        }
        const int fd = accept(listenFd_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        serve(fd, ++connections_);
        close(fd);
    }
}

void ScriptedServer::serve(int fd, int connection) {
    std::string buffer;
    while (!stop_) {
        const std::size_t headEnd = buffer.find("\r\n\r\n");
        if (headEnd != std::string::npos) {
            RecordedRequest r;
            r.connection = connection;
            std::istringstream head(buffer.substr(0, headEnd));
            std::string line;
            std::getline(head, line);
            std::istringstream requestLine(line);
            requestLine >> r.method >> r.target >> r.version;
            std::size_t length = 0;
            while (std::getline(head, line)) {
                if (!line.empty() && line.back() == '\r') {
                    line.pop_back();
                }
                const auto colon = line.find(':');
                if (colon == std::string::npos) {
                    continue;
                }
                std::string name = line.substr(0, colon);
                for (char& c : name) {
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                }
                std::string value = line.substr(colon + 1);
                value.erase(0, value.find_first_not_of(' '));
                r.headers[name] = value;
                if (name == "content-length") {
                    length = std::stoul(value);
                }
            }
            if (buffer.size() >= headEnd + 4 + length) {
                r.body = buffer.substr(headEnd + 4, length);
                buffer.erase(0, headEnd + 4 + length);
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    requests_.push_back(r);
                }
                const std::string reply = handler_(r);
                if (reply.empty()) {
                    return; // drop the connection
                }
                std::size_t sent = 0;
                while (sent < reply.size()) {
                    const ssize_t n = send(fd, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
                    if (n <= 0) {
                        return;
                    }
                    sent += static_cast<std::size_t>(n);
                }
                if (reply.find("Connection: close") != std::string::npos) {
                    return;
                }
                continue;
            }
        }
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) {
            continue;
        }
        char chunk[4096];
        const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) {
            return;
        }
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

int closedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

std::string rawExchange(int port, const std::string& request) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(port));
    std::string out;
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        char chunk[4096];
        ssize_t n;
        while ((n = recv(fd, chunk, sizeof chunk, 0)) > 0) {
            out.append(chunk, static_cast<std::size_t>(n));
        }
    }
    close(fd);
    return out;
}

// ---- the stand-in ---------------------------------------------------------------

Sim::Sim(const std::string& folder, const std::vector<std::string>& args) {
    static std::atomic<int> counter{0};
    outputFile_ = folder + "/pelwin-sim-" + std::to_string(++counter) + ".out";
    std::vector<std::string> all = {PELWIN_SIM_PATH, "--port", "0"};
    all.insert(all.end(), args.begin(), args.end());
    pid_ = fork();
    if (pid_ == 0) {
        const int out = open(outputFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        std::vector<char*> argv;
        for (auto& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    static const std::regex listening(R"(listening on 127\.0\.0\.1:(\d+))");
    for (int i = 0; i < 500 && port_ == 0; ++i) {
        std::smatch m;
        const std::string text = readFile(outputFile_);
        if (std::regex_search(text, m, listening)) {
            port_ = std::stoi(m[1]);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (port_ == 0) {
        throw std::runtime_error("pelwin-sim did not start: " + readFile(outputFile_));
    }
}

Sim::~Sim() { stop(); }

std::string Sim::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::string Sim::output() const { return readFile(outputFile_); }

std::string Sim::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    return output();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

} // namespace qt
