#include "ExchangeFiles.h"

#include "AppError.h"
#include "Globals.h"
#include "Windows1252.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tp {
namespace {

[[noreturn]] void throwFileError(const std::filesystem::path& file, int error) {
    throw AppError(err::PathFileAccess,
                   "Path/File access error: " + file.string() + ": " + std::strerror(error));
}

mode_t currentUmask() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

bool fileExists(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

std::string readFileBytes(const std::filesystem::path& file) {
    if (!fileExists(file)) throw AppError(err::FileNotFound, "File not found: " + file.string());
    std::ifstream in(file, std::ios::binary);
    if (!in) throwFileError(file, errno);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throwFileError(file, errno);
    return bytes;
}

std::string ReadExchangeFile(const Globals& g, const std::string& name) {
    std::filesystem::path file = g.pathOf(name);
    if (!fileExists(file)) throw AppError(err::FileNotFound, "File not found: " + file.string());
    std::error_code ec;
    if (std::filesystem::file_size(file, ec) == 0 && !ec) return {};
    return cp1252::toUtf8(readFileBytes(file));
}

void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    if (!file.has_filename()) throw AppError(err::PathFileAccess, "No file name was given for " + file.string());
    std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) throwFileError(file, errno);
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(pattern.c_str());
        throwFileError(file, error);
    };
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fchmod(fd, 0666 & ~currentUmask()) != 0 || ::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(pattern.c_str());
        throwFileError(file, error);
    }
    if (std::rename(pattern.c_str(), file.c_str()) != 0) {
        int error = errno;
        ::unlink(pattern.c_str());
        throwFileError(file, error);
    }
}

void writeExchangeFile(const std::filesystem::path& file, std::string_view utf8Text) {
    writeFileAtomically(file, cp1252::fromUtf8(utf8Text));
}

}  // namespace tp
