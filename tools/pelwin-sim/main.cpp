// pelwin-sim: the project's stand-in for the payment service, for tests,
// benchmarks and trying the desktop program without the real service. See
// Options.h for the command line, Service.h for the answers. On SIGINT or
// SIGTERM it prints "stopped: requests=N connections=M" and ends.
#include "Options.h"
#include "Server.h"
#include "Service.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <unistd.h>

namespace {

// Writes a decimal number with write(2) only, as a signal handler must.
void writeNumber(unsigned long value) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    char out[24];
    for (int i = 0; i < n; ++i) {
        out[i] = digits[n - 1 - i];
    }
    [[maybe_unused]] auto written = write(STDOUT_FILENO, out, static_cast<size_t>(n));
}

void writeText(const char* text, size_t length) {
    [[maybe_unused]] auto written = write(STDOUT_FILENO, text, length);
}

extern "C" void stop(int) {
    static const char head[] = "stopped: requests=";
    static const char middle[] = " connections=";
    writeText(head, sizeof head - 1);
    writeNumber(pelwin::Service::requests.load());
    writeText(middle, sizeof middle - 1);
    writeNumber(pelwin::Service::connections.load());
    writeText("\n", 1);
    _exit(0);
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = pelwin::Options::parse(std::vector<std::string>(argv + 1, argv + argc),
                                                error);
    if (!options) {
        std::cerr << "pelwin-sim: " << error << '\n' << pelwin::Options::usage();
        return 2;
    }
    std::signal(SIGINT, stop);
    std::signal(SIGTERM, stop);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        pelwin::Service service(*options);
        pelwin::Server server(*options, service);
        return server.run();
    } catch (const std::exception& e) {
        std::cerr << "pelwin-sim: " << e.what() << '\n';
        return 1;
    }
}
