// Test support for the uploader component: the library loaded with dlopen and
// used only through quenta.h, small RAII wrappers for its strings and objects,
// a fixture that runs each test in its own temporary folder (where the log is
// written), a scripted HTTP server that records raw requests, and a runner for
// the pelwin-sim stand-in.
#pragma once

#include "quenta.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace qt {

// ---- the library ----------------------------------------------------------

struct Library {
    QuentaDllGetClassObjectFn getClassObject = nullptr;
    QuentaDllCanUnloadNowFn canUnloadNow = nullptr;
    QuentaStringAllocFn stringAlloc = nullptr;
    QuentaStringFreeFn stringFree = nullptr;
    QuentaStringLengthFn stringLength = nullptr;
    static const Library& get();
};

std::u16string utf16(const std::string& utf8);
std::string utf8(std::u16string_view text);

// An owned QuentaString.
class Text {
public:
    Text() = default;
    explicit Text(const std::string& utf8) : Text(utf16(utf8)) {}
    explicit Text(const std::u16string& units);
    ~Text();
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    QuentaString get() const { return s_; }
    QuentaString* out() { return &s_; }
    std::string str() const; // UTF-8

private:
    QuentaString s_ = nullptr;
};

struct Outcome {
    QuentaBool result = 0;
    int32_t status = 0;
    std::string payments; // UTF-8
};

// An Uploader created through the class factory; released on destruction.
class Uploader {
public:
    Uploader();
    ~Uploader();
    Uploader(const Uploader&) = delete;
    Uploader& operator=(const Uploader&) = delete;
    IUploader* operator->() const { return p_; }
    IUploader* get() const { return p_; }
    void release();

    void connect(const std::string& url, const std::string& user = "tenant-user",
                 const std::string& password = "s3cret");
    Outcome tenants(const std::string& setup, const std::string& tenant);
    Outcome bills(const std::string& recipients, const std::string& payments,
                  const std::string& pending);
    Outcome current();

private:
    IUploader* p_ = nullptr;
};

// ---- a temporary folder as current directory ------------------------------

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string folder() const { return folder_; }
    // Log lines with their time stamps removed (the stamps are checked too).
    std::vector<std::string> logLines() const;
    std::string logText() const; // raw

private:
    std::string folder_;
    std::string previous_;
};

// ---- a scripted HTTP server -----------------------------------------------

struct RecordedRequest {
    std::string method;
    std::string target;
    std::string version;
    std::map<std::string, std::string> headers; // names in lower case
    std::string body;
    int connection = 0;
    // The query parameter of the raw target, %0D/%0A turned back into CR/LF.
    std::string param(const std::string& name) const;
    std::string bodyParam(const std::string& name) const;
    std::string query() const; // the whole query, %0D/%0A turned back
    std::string op() const { return param("op"); }
    std::string dataLine() const; // the decoded data line
};

// A raw answer: status line, headers and body.
std::string answer(int status, const std::string& body, const std::string& extraHeaders = "");
std::string chunkedAnswer(int status, const std::string& body, std::size_t piece);
std::string base64Decode(const std::string& text);

class ScriptedServer {
public:
    // The handler returns the raw bytes to send, or "" to close the connection.
    using Handler = std::function<std::string(const RecordedRequest&)>;
    explicit ScriptedServer(Handler handler);
    ~ScriptedServer();
    int port() const { return port_; }
    std::string url(const std::string& path = "/") const;
    std::vector<RecordedRequest> requests() const;
    int connections() const { return connections_; }

private:
    void run();
    void serve(int fd, int connection);

    Handler handler_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    std::vector<RecordedRequest> requests_;
    std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens.
int closedPort();

// Sends raw bytes to 127.0.0.1:port and returns everything read until close.
std::string rawExchange(int port, const std::string& request);

// ---- the stand-in ---------------------------------------------------------

class Sim {
public:
    // Starts pelwin-sim with the arguments (--port 0 is added) and waits for its
    // listening line; its standard output goes to a file in `folder`.
    Sim(const std::string& folder, const std::vector<std::string>& args);
    ~Sim();
    int port() const { return port_; }
    std::string url(const std::string& path = "/") const;
    std::string output() const;
    std::string stop(); // SIGTERM, wait, and the whole output

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string outputFile_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

} // namespace qt
