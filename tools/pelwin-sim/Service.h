// Service answers one request the way the payment service's script does, with
// the faults the command line asks for. The path must be
// "/integration/upload.php" (404 otherwise) and the token must decode to
// user + ":" + password + ":" (401 otherwise). "s", "t" and "v" lines are
// answered "OK"; "t" and "v" lines record the participant's action. The first
// "p" answered 200 gets the payment file, later ones an empty body. A bill line
// "Bn|payee|remark|amount" gets "payee,Bn,0" for an activated payee or a bill
// already accepted, "payee,Bn,4" for any other payee, each ended by a line
// feed. Every request writes one line to standard output.
#pragma once

#include "Options.h"
#include "ServiceState.h"

#include <atomic>
#include <string>

namespace pelwin {

struct Outcome {
    unsigned status = 200;
    std::string body;
    bool drop = false; // close the connection without answering
};

class Service {
public:
    explicit Service(const Options& options);

    Outcome handle(unsigned long connection, const std::string& target, const std::string& body);

    static std::atomic<unsigned long> requests;
    static std::atomic<unsigned long> connections;

private:
    Outcome answer(const std::string& op, const std::string& line);
    std::string answerBill(const std::string& line);

    const Options& options_;
    ServiceState state_;
    std::string payments_;
    bool paymentsHandedOut_ = false;
};

} // namespace pelwin
