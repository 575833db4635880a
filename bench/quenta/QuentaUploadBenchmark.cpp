// quenta_upload_bench: the throughput of the uploader component against the
// pelwin-sim stand-in on 127.0.0.1. It uploads 10,000 setup lines with one
// UploadTenants call (10,000 "s" requests and the closing "p" request) and
// reports requests per second and the TCP connections the stand-in accepted.
// As the reference, the same 10,000 requests are then sent by one curl
// process that reuses its connection, against a fresh stand-in.
//
// usage: quenta_upload_bench [LINES]
#include "quenta.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string base64(const std::string& bytes) {
    static const char* abc = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        for (int s = 18; s >= 0; s -= 6) out.push_back(abc[(v >> s) & 63]);
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out.push_back(abc[(v >> 18) & 63]);
        out.push_back(abc[(v >> 12) & 63]);
        out.push_back(i + 1 < bytes.size() ? abc[(v >> 6) & 63] : '=');
        out.push_back('=');
    }
    return out;
}

// A setup line short enough (under 57 bytes) that its Base64 has no line break.
std::string setupLine(int i) {
    return "O" + std::to_string(i) + "|Owner|Ann Lee|12 Oak St|Town|ST|12345\r";
}

class Sim {
public:
    explicit Sim(const std::string& output) : output_(output) {
        pid_ = fork();
        if (pid_ == 0) {
            const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, STDOUT_FILENO);
            execl(PELWIN_SIM_PATH, PELWIN_SIM_PATH, "--port", "0", "--user", "bench", "--password",
                  "secret", static_cast<char*>(nullptr));
            _exit(127);
        }
        const std::regex listening(R"(listening on 127\.0\.0\.1:(\d+))");
        for (int i = 0; i < 500 && port_ == 0; ++i) {
            std::smatch m;
            const std::string text = readFile(output_);
            if (std::regex_search(text, m, listening)) {
                port_ = std::stoi(m[1]);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        if (port_ == 0) {
            throw std::runtime_error("pelwin-sim did not start");
        }
    }
    ~Sim() { stop(); }
    int port() const { return port_; }
    // Stops the stand-in and returns its "requests connections" counts.
    std::pair<long, long> stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
        std::smatch m;
        const std::string text = readFile(output_);
        static const std::regex stopped(R"(stopped: requests=(\d+) connections=(\d+))");
        if (std::regex_search(text, m, stopped)) {
            return {std::stol(m[1]), std::stol(m[2])};
        }
        return {0, 0};
    }

private:
    std::string output_;
    pid_t pid_ = -1;
    int port_ = 0;
};

struct Library {
    QuentaDllGetClassObjectFn getClassObject;
    QuentaStringAllocFn alloc;
    QuentaStringFreeFn free;
};

QuentaString text(const Library& lib, const std::string& ascii) {
    std::vector<uint16_t> units(ascii.begin(), ascii.end());
    return lib.alloc(units.data(), static_cast<uint32_t>(units.size()));
}

void report(const char* who, long requests, double seconds, long connections) {
    std::printf("%-28s %6ld requests in %7.3f s = %8.0f requests/s, TCP connections opened: %ld\n",
                who, requests, seconds, static_cast<double>(requests) / seconds, connections);
}

} // namespace

int main(int argc, char** argv) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const fs::path folder = fs::temp_directory_path() / ("quenta-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::current_path(folder);

    void* handle = dlopen(QUENTA_LIBRARY_PATH, RTLD_NOW);
    if (handle == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    Library lib{reinterpret_cast<QuentaDllGetClassObjectFn>(dlsym(handle, "DllGetClassObject")),
                reinterpret_cast<QuentaStringAllocFn>(dlsym(handle, "QuentaStringAlloc")),
                reinterpret_cast<QuentaStringFreeFn>(dlsym(handle, "QuentaStringFree"))};

    std::string setup;
    for (int i = 0; i < lines; ++i) {
        setup += setupLine(i) + "\n";
    }

    // The component.
    {
        Sim sim((folder / "sim-component.out").string());
        QuentaClassFactory* factory = nullptr;
        IUploader* u = nullptr;
        lib.getClassObject(&QUENTA_CLSID_Uploader, &QUENTA_IID_IClassFactory,
                           reinterpret_cast<void**>(&factory));
        factory->lpVtbl->CreateInstance(factory, nullptr, &QUENTA_IID_IUploader,
                                        reinterpret_cast<void**>(&u));
        factory->lpVtbl->Release(factory);
        const std::string url = "http://127.0.0.1:" + std::to_string(sim.port()) + "/";
        QuentaString s = text(lib, url);
        u->lpVtbl->put_URL(u, s);
        lib.free(s);
        s = text(lib, "bench");
        u->lpVtbl->put_User(u, s);
        lib.free(s);
        s = text(lib, "secret");
        u->lpVtbl->put_Password(u, s);
        lib.free(s);
        QuentaString setupText = text(lib, setup);
        QuentaBool result = 0;
        int32_t status = 0;
        const auto start = Clock::now();
        u->lpVtbl->UploadTenants(u, setupText, nullptr, &result);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        u->lpVtbl->get_Status(u, &status);
        lib.free(setupText);
        u->lpVtbl->Release(u);
        const auto [requests, connections] = sim.stop();
        if (!result || status != 200) {
            std::fprintf(stderr, "upload failed: status %d\n", status);
            return 1;
        }
        report("libquenta UploadTenants", requests, seconds, connections);
    }

    // The reference: one curl process, the same requests, connection reuse.
    {
        Sim sim((folder / "sim-curl.out").string());
        const std::string token = base64("bench:secret:");
        const std::string base =
            "http://127.0.0.1:" + std::to_string(sim.port()) + "/integration/upload.php?";
        std::ofstream config(folder / "curl.cfg");
        for (int i = 0; i < lines; ++i) {
            const std::string parameters = "op=s&data=" + base64(setupLine(i)) + "&token=" + token;
            config << "url = \"" << base << parameters << "\"\n"
                   << "request = \"GET\"\n"
                   << "data-binary = \"" << parameters << "\"\n"
                   << "http1.0\npath-as-is\nsilent\n"
                   << "header = \"Connection: keep-alive\"\n"
                   << "header = \"Content-Type: application/x-www-form-urlencoded\"\n"
                   << "output = \"/dev/null\"\n";
            if (i + 1 < lines) {
                config << "next\n";
            }
        }
        config.close();
        const std::string command = "curl -K " + (folder / "curl.cfg").string();
        const auto start = Clock::now();
        const int rc = std::system(command.c_str());
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        const auto [requests, connections] = sim.stop();
        if (rc != 0) {
            std::fprintf(stderr, "curl failed (%d)\n", rc);
            return 1;
        }
        report("curl -K (reference)", requests, seconds, connections);
    }
    fs::current_path("/");
    fs::remove_all(folder);
    return 0;
}
