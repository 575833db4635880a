// Options is the command line of pelwin-sim:
//   pelwin-sim --port N --user U --password P [--payments FILE] [--state FILE]
//              [--fail OP=STATUS ...] [--stall OP ...] [--stall-seconds N]
//              [--drop OP ...] [--cert FILE --key FILE]
// --port 0 picks a free port. --cert and --key serve https instead of http.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pelwin {

struct Options {
    unsigned short port = 0;
    std::string user;
    std::string password;
    std::string paymentsFile;
    std::string stateFile;
    std::map<std::string, unsigned> fail; // op -> status
    std::set<std::string> stall;
    std::set<std::string> drop;
    unsigned stallSeconds = 120;
    std::string certFile;
    std::string keyFile;

    // Parses argv; on an error returns nothing and fills `error`.
    static std::optional<Options> parse(const std::vector<std::string>& args, std::string& error);
    static const char* usage();
};

} // namespace pelwin
