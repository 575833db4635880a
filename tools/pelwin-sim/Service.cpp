// Service: the stand-in's answers (see Service.h).
#include "Service.h"

#include "Base64Decoder.h"
#include "RequestParameters.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

namespace pelwin {

std::atomic<unsigned long> Service::requests{0};
std::atomic<unsigned long> Service::connections{0};

namespace {

constexpr const char* kScriptPath = "/integration/upload.php";

std::string withoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.pop_back();
    }
    return text;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = line.find('|', start);
        out.push_back(line.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) {
            return out;
        }
        start = bar + 1;
    }
}

// Shows CR and LF of a data line so that each request stays on one log line.
std::string printable(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace

Service::Service(const Options& options) : options_(options), state_(options.stateFile) {
    state_.load();
    if (!options.paymentsFile.empty()) {
        std::ifstream in(options.paymentsFile, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        payments_ = text.str();
        if (!payments_.empty() && payments_.back() != '\n') {
            payments_.push_back('\n'); // every record ends with a line feed
        }
    }
}

Outcome Service::handle(unsigned long connection, const std::string& target,
                        const std::string& body) {
    const unsigned long number = ++requests;
    const RequestParameters p = RequestParameters::parse(target, body);
    const std::string line = Base64Decoder::decode(p.data);
    Outcome outcome;
    std::string note;
    if (p.path != kScriptPath) {
        outcome.status = 404;
        outcome.body = "Not Found\n";
    } else if (options_.drop.count(p.op) != 0) {
        outcome.drop = true;
        note = " dropped";
    } else {
        if (options_.stall.count(p.op) != 0) {
            std::this_thread::sleep_for(std::chrono::seconds(options_.stallSeconds));
            note = " stalled";
        }
        const auto failing = options_.fail.find(p.op);
        if (failing != options_.fail.end()) {
            outcome.status = failing->second;
            outcome.body = "Failed on request\n";
        } else if (Base64Decoder::decode(p.token) !=
                   options_.user + ":" + options_.password + ":") {
            outcome.status = 401;
            outcome.body = "Unauthorized\n";
        } else {
            outcome = answer(p.op, line);
        }
    }
    std::cout << "conn=" << connection << " req=" << number << " op=" << p.op
              << " status=" << (outcome.drop ? 0 : outcome.status) << note << " data=\""
              << printable(line) << "\"" << std::endl;
    return outcome;
}

Outcome Service::answer(const std::string& op, const std::string& line) {
    Outcome outcome;
    const std::vector<std::string> parts = fields(withoutLineEnd(line));
    if (op == "s") {
        state_.addSetupKey(parts.front());
        outcome.body = "OK\n";
    } else if (op == "t" || op == "v") {
        std::vector<std::string> f = parts;
        if (f.size() > 1 && f.back().empty()) {
            f.pop_back(); // tenant lines end with "|"
        }
        if (f.size() >= 2) {
            state_.setParticipant(f.front(), f.back());
        }
        outcome.body = "OK\n";
    } else if (op == "p") {
        if (!paymentsHandedOut_) {
            outcome.body = payments_;
            paymentsHandedOut_ = true;
        }
    } else if (op == "b") {
        outcome.body = answerBill(line);
    } else {
        outcome.status = 400;
        outcome.body = "Unknown operation\n";
    }
    return outcome;
}

std::string Service::answerBill(const std::string& line) {
    const std::vector<std::string> f = fields(withoutLineEnd(line));
    if (f.size() < 2 || f[0].empty()) {
        return ",,9,Malformed bill line\n";
    }
    const std::string& bill = f[0];
    const std::string& payee = f[1];
    if (state_.isAccepted(bill)) {
        return payee + "," + bill + ",0\n"; // accepted before; not paid twice
    }
    if (!state_.isActivated(payee)) {
        return payee + "," + bill + ",4\n";
    }
    state_.accept(bill);
    return payee + "," + bill + ",0\n";
}

} // namespace pelwin
