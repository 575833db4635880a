// Messenger: the one way the program talks to the user. Every message box, Yes/No question and
// busy pointer goes through it: the screens implement it with Qt, the command-line front end on
// the terminal, and the tests with a script of answers and a record of what was shown.
#pragma once

#include <string>

namespace tp {

enum class MessageIcon { None, Information, Exclamation, Critical };
// Button codes of a Yes/No question, as the program keeps them in LastAnswer.
enum class Answer { Yes = 6, No = 7 };

class Messenger {
public:
    virtual ~Messenger() = default;
    // A modal message box with an OK button.
    virtual void message(const std::string& text, const std::string& title,
                         MessageIcon icon = MessageIcon::Information) = 0;
    // A modal Yes/No question.
    virtual Answer ask(const std::string& text, const std::string& title,
                       MessageIcon icon = MessageIcon::None) = 0;
    // The busy (hourglass) pointer on or off.
    virtual void setBusy(bool busy) = 0;
};

// Shows the busy pointer while it lives; restore() puts the default pointer back earlier.
class BusyPointer {
public:
    explicit BusyPointer(Messenger& messenger);
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    void restore();

private:
    Messenger& messenger_;
    bool busy_ = true;
};

}  // namespace tp

namespace tp {

class AppError;

// An error no routine handled, reported as the program reports such errors: the number and the
// description under the title "Orvanta Error Message"; the busy pointer is restored first.
void reportError(Messenger& messenger, const AppError& error);

}  // namespace tp
