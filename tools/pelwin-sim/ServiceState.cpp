// ServiceState: participants and accepted bills (see ServiceState.h).
#include "ServiceState.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace pelwin {

ServiceState::ServiceState(std::string file) : file_(std::move(file)) {}

void ServiceState::load() {
    if (file_.empty()) {
        return;
    }
    std::ifstream in(file_);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind, key, action;
        std::getline(fields, kind, '\t');
        std::getline(fields, key, '\t');
        std::getline(fields, action, '\t');
        if (kind == "participant") {
            participants_[key] = action;
        } else if (kind == "bill") {
            bills_.insert(key);
        }
    }
}

void ServiceState::save() const {
    if (file_.empty()) {
        return;
    }
    const std::string temporary = file_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& [key, action] : participants_) {
            out << "participant\t" << key << '\t' << action << '\n';
        }
        for (const auto& key : bills_) {
            out << "bill\t" << key << '\n';
        }
    }
    std::rename(temporary.c_str(), file_.c_str());
}

void ServiceState::setParticipant(const std::string& key, const std::string& action) {
    participants_[key] = action;
    save();
}

bool ServiceState::isActivated(const std::string& key) const {
    const auto it = participants_.find(key);
    return it != participants_.end() && it->second == "activate";
}

void ServiceState::accept(const std::string& billKey) {
    bills_.insert(billKey);
    save();
}

} // namespace pelwin
