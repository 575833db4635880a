#include "CliMessenger.h"

#include <istream>
#include <ostream>

namespace tp {
namespace {

std::string withLineBreaks(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

}  // namespace

CliMessenger::CliMessenger(std::ostream& out, std::istream& in, std::optional<Answer> presetAnswer)
    : out_(out), in_(in), preset_(presetAnswer) {}

void CliMessenger::message(const std::string& text, const std::string& title, MessageIcon) {
    out_ << "[" << title << "] " << withLineBreaks(text) << std::endl;
}

Answer CliMessenger::ask(const std::string& text, const std::string& title, MessageIcon) {
    out_ << "[" << title << "] " << withLineBreaks(text);
    if (preset_) {
        out_ << (*preset_ == Answer::Yes ? " Yes" : " No") << std::endl;
        return *preset_;
    }
    out_ << " [y/N] " << std::flush;
    std::string reply;
    if (!std::getline(in_, reply)) {
        out_ << std::endl;
        return Answer::No;
    }
    return !reply.empty() && (reply[0] == 'y' || reply[0] == 'Y') ? Answer::Yes : Answer::No;
}

}  // namespace tp
