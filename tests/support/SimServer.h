// SimServer: the service stand-in (pelwin-sim) started as a child process on a free port of
// 127.0.0.1 for one test, and stopped when the test ends.
#pragma once

#include <string>
#include <vector>

namespace tp::test {

class SimServer {
public:
    // Starts pelwin-sim with user "demo", password "secret" and the given extra arguments.
    explicit SimServer(const std::vector<std::string>& extraArgs = {});
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    int port() const { return port_; }
    // The service address as users enter it.
    std::string url() const;
    // What the stand-in logged so far (one line per request).
    std::string log();

private:
    int pid_ = -1;
    int port_ = 0;
    int outFd_ = -1;
    std::string output_;
};

// A URL on which nothing listens.
std::string unreachableUrl();

}  // namespace tp::test
