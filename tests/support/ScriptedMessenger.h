// ScriptedMessenger: the tests' Messenger. It records every message box and question (title,
// text, icon) in order, answers questions from a script (No when the script is empty), and
// records the busy pointer's changes.
#pragma once

#include "Messenger.h"

#include <deque>
#include <string>
#include <vector>

namespace tp::test {

struct Shown {
    enum class Kind { Message, Question } kind;
    std::string title;
    std::string text;
    MessageIcon icon;
    bool busyWhenShown;
};

class ScriptedMessenger : public Messenger {
public:
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    Answer ask(const std::string& text, const std::string& title, MessageIcon icon) override;
    void setBusy(bool busy) override;

    void answerNext(Answer answer) { answers_.push_back(answer); }

    std::vector<Shown> shown;
    std::vector<bool> busyChanges;
    bool busy = false;

    // "[Title] text" of every box, in order: handy for exact comparisons.
    std::vector<std::string> lines() const;

private:
    std::deque<Answer> answers_;
};

}  // namespace tp::test
