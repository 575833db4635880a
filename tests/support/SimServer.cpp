#include "SimServer.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <regex>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#ifndef TP_PELWIN_SIM
#error "TP_PELWIN_SIM must name the stand-in's executable"
#endif

namespace tp::test {

SimServer::SimServer(const std::vector<std::string>& extraArgs) {
    std::vector<std::string> args = {TP_PELWIN_SIM, "--port", "0", "--user", "demo", "--password", "secret"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    outFd_ = pipeFds[0];
    const std::regex listening(R"(listening on 127\.0\.0\.1:(\d+))");
    for (int waited = 0; waited < 100 && port_ == 0; ++waited) {
        log();
        std::smatch m;
        if (std::regex_search(output_, m, listening)) port_ = std::stoi(m[1]);
        else ::usleep(50000);
    }
    if (port_ == 0) throw std::runtime_error("pelwin-sim did not start: " + output_);
}

SimServer::~SimServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    if (outFd_ >= 0) ::close(outFd_);
}

std::string SimServer::url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/integration/upload.php";
}

std::string SimServer::log() {
    pollfd p{outFd_, POLLIN, 0};
    char buffer[4096];
    while (::poll(&p, 1, 0) > 0 && (p.revents & POLLIN)) {
        ssize_t n = ::read(outFd_, buffer, sizeof buffer);
        if (n <= 0) break;
        output_.append(buffer, static_cast<std::size_t>(n));
    }
    return output_;
}

std::string unreachableUrl() { return "http://127.0.0.1:9/integration/upload.php"; }

}  // namespace tp::test
