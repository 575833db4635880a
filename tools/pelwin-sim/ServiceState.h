// ServiceState is what the stand-in remembers: the participants it was sent
// ("t" and "v" lines: key and action word), the bill keys it has accepted,
// and the portfolio keys of the setup lines. With a state file, participants
// and accepted bills are loaded at start and saved after every change, so a
// later run still knows which payees are activated. The file holds one record
// per line: "participant<TAB>key<TAB>action" or "bill<TAB>key".
#pragma once

#include <map>
#include <set>
#include <string>

namespace pelwin {

class ServiceState {
public:
    explicit ServiceState(std::string file);

    void load();
    void addSetupKey(const std::string& key) { portfolio_.insert(key); }
    void setParticipant(const std::string& key, const std::string& action);
    bool isActivated(const std::string& key) const;
    bool isAccepted(const std::string& billKey) const { return bills_.count(billKey) != 0; }
    void accept(const std::string& billKey);
    std::size_t acceptedCount() const { return bills_.size(); }

private:
    void save() const;

    std::string file_;
    std::set<std::string> portfolio_;
    std::map<std::string, std::string> participants_;
    std::set<std::string> bills_;
};

} // namespace pelwin
