// CredentialStore: the per-user settings store of the service credentials, an INI file
// (organisation and application "Hestora", group "Parameters", keys "username", "password" and
// "url"). Values are stored as given (the callers shift-encode them); a missing key reads as "".
// The file is kept readable by its owner only.
#pragma once

#include <filesystem>
#include <string>

namespace tp {

class CredentialStore {
public:
    // The store of the current user: $XDG_CONFIG_HOME (or ~/.config) / Hestora / Hestora.ini.
    static std::filesystem::path userStorePath();

    explicit CredentialStore(std::filesystem::path iniFile = userStorePath());

    std::string read(const std::string& key) const;
    // Writes the three values together (error 75 when the file cannot be written).
    void writeAll(const std::string& user, const std::string& password, const std::string& url);

    const std::filesystem::path& path() const { return file_; }

private:
    std::filesystem::path file_;
};

}  // namespace tp
