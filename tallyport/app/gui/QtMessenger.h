// QtMessenger: the desktop program's Messenger: modal message boxes and Yes/No questions over the
// active window (each CR shown as a line break), and the busy pointer as an override cursor.
#pragma once

#include "Messenger.h"

namespace tp {

class QtMessenger : public Messenger {
public:
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    Answer ask(const std::string& text, const std::string& title, MessageIcon icon) override;
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};

}  // namespace tp
