// Options: pelwin-sim's command line (see Options.h).
#include "Options.h"

#include <charconv>

namespace pelwin {
namespace {

bool toNumber(const std::string& text, unsigned long max, unsigned long& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && !text.empty() && out <= max;
}

} // namespace

const char* Options::usage() {
    return "usage: pelwin-sim --port N --user U --password P [--payments FILE] [--state FILE]\n"
           "                  [--fail OP=STATUS ...] [--stall OP ...] [--stall-seconds N]\n"
           "                  [--drop OP ...] [--cert FILE --key FILE]\n";
}

std::optional<Options> Options::parse(const std::vector<std::string>& args, std::string& error) {
    Options o;
    bool havePort = false;
    bool haveUser = false;
    bool havePassword = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) {
            error = "missing value after " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        unsigned long number = 0;
        if (name == "--port") {
            if (!toNumber(value, 65535, number)) {
                error = "bad port: " + value;
                return std::nullopt;
            }
            o.port = static_cast<unsigned short>(number);
            havePort = true;
        } else if (name == "--user") {
            o.user = value;
            haveUser = true;
        } else if (name == "--password") {
            o.password = value;
            havePassword = true;
        } else if (name == "--payments") {
            o.paymentsFile = value;
        } else if (name == "--state") {
            o.stateFile = value;
        } else if (name == "--fail") {
            const auto eq = value.find('=');
            if (eq == std::string::npos || eq == 0 ||
                !toNumber(value.substr(eq + 1), 999, number) || number < 100) {
                error = "bad --fail value (OP=STATUS expected): " + value;
                return std::nullopt;
            }
            o.fail[value.substr(0, eq)] = static_cast<unsigned>(number);
        } else if (name == "--stall") {
            o.stall.insert(value);
        } else if (name == "--stall-seconds") {
            if (!toNumber(value, 86400, number)) {
                error = "bad --stall-seconds: " + value;
                return std::nullopt;
            }
            o.stallSeconds = static_cast<unsigned>(number);
        } else if (name == "--drop") {
            o.drop.insert(value);
        } else if (name == "--cert") {
            o.certFile = value;
        } else if (name == "--key") {
            o.keyFile = value;
        } else {
            error = "unknown option: " + name;
            return std::nullopt;
        }
    }
    if (!havePort || !haveUser || !havePassword) {
        error = "--port, --user and --password are required";
        return std::nullopt;
    }
    if (o.certFile.empty() != o.keyFile.empty()) {
        error = "--cert and --key go together";
        return std::nullopt;
    }
    return o;
}

} // namespace pelwin
