#include "CredentialStore.h"

#include "AppError.h"

#include <QSettings>
#include <QString>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tp {
namespace {

constexpr const char* Group = "Parameters";

}  // namespace

std::filesystem::path CredentialStore::userStorePath() {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::filesystem::path(home) / ".config";
    else base = ".";
    return base / "Hestora" / "Hestora.ini";
}

CredentialStore::CredentialStore(std::filesystem::path iniFile) : file_(std::move(iniFile)) {}

std::string CredentialStore::read(const std::string& key) const {
    QSettings settings(QString::fromStdString(file_.string()), QSettings::IniFormat);
    settings.beginGroup(Group);
    return settings.value(QString::fromStdString(key), QString()).toString().toStdString();
}

void CredentialStore::writeAll(const std::string& user, const std::string& password, const std::string& url) {
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    // Created private before anything is written, so the values are never readable by others.
    if (int fd = ::open(file_.c_str(), O_WRONLY | O_CREAT, S_IRUSR | S_IWUSR); fd >= 0) ::close(fd);
    ::chmod(file_.c_str(), S_IRUSR | S_IWUSR);
    {
        QSettings settings(QString::fromStdString(file_.string()), QSettings::IniFormat);
        settings.beginGroup(Group);
        settings.setValue("username", QString::fromStdString(user));
        settings.setValue("password", QString::fromStdString(password));
        settings.setValue("url", QString::fromStdString(url));
        settings.endGroup();
        settings.sync();
        if (settings.status() != QSettings::NoError)
            throw AppError(err::PathFileAccess, "The settings file could not be written: " + file_.string());
    }
    ::chmod(file_.c_str(), S_IRUSR | S_IWUSR);
}

}  // namespace tp
