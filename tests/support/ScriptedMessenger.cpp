#include "ScriptedMessenger.h"

namespace tp::test {

void ScriptedMessenger::message(const std::string& text, const std::string& title, MessageIcon icon) {
    shown.push_back({Shown::Kind::Message, title, text, icon, busy});
}

Answer ScriptedMessenger::ask(const std::string& text, const std::string& title, MessageIcon icon) {
    shown.push_back({Shown::Kind::Question, title, text, icon, busy});
    if (answers_.empty()) return Answer::No;
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedMessenger::setBusy(bool b) {
    busy = b;
    busyChanges.push_back(b);
}

std::vector<std::string> ScriptedMessenger::lines() const {
    std::vector<std::string> out;
    for (const Shown& s : shown) out.push_back("[" + s.title + "] " + s.text);
    return out;
}

}  // namespace tp::test
