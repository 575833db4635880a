// CliMessenger: message boxes printed as "[Title] text" (each CR as a line break), Yes/No questions
// asked on the terminal or answered in advance by --yes or --no; the busy pointer is ignored.
#pragma once

#include "Messenger.h"

#include <iosfwd>
#include <optional>

namespace tp {

class CliMessenger : public Messenger {
public:
    CliMessenger(std::ostream& out, std::istream& in, std::optional<Answer> presetAnswer);

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    Answer ask(const std::string& text, const std::string& title, MessageIcon icon) override;
    void setBusy(bool) override {}

private:
    std::ostream& out_;
    std::istream& in_;
    std::optional<Answer> preset_;
};

}  // namespace tp
