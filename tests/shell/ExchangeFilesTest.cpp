// Exchange files: ReadExchangeFile returns a file's whole text unchanged (an empty file gives "",
// a missing one is error 53, Windows-1252 bytes come back as UTF-8); writing is atomic, so a write
// that fails half-way is error 75 and leaves the old file exactly as it was, with no temporary
// file behind.
#include "AppError.h"
#include "ExchangeFiles.h"
#include "ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace tp::test {
namespace {

class ExchangeFilesTest : public ProgramFolderFixture {
protected:
    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ExchangeFilesTest, ReadReturnsTheWholeTextUnchanged) {
    writeFile("empty.txt", "");
    EXPECT_EQ(ReadExchangeFile(*g, "empty.txt"), "");
    writeFile("two.txt", "A\r\nB\r\n");
    EXPECT_EQ(ReadExchangeFile(*g, "two.txt"), "A\r\nB\r\n");
    writeFile("cp.txt", "caf\xE9|\x80\n");
    EXPECT_EQ(ReadExchangeFile(*g, "cp.txt"), "caf\xC3\xA9|\xE2\x82\xAC\n");
    try {
        ReadExchangeFile(*g, "missing.txt");
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 53);
    }
}

TEST_F(ExchangeFilesTest, WriteReplacesTheFileAndConvertsToWindows1252) {
    writeFile("out.txt", "old contents that are longer\r\n");
    writeExchangeFile(folder / "out.txt", "caf\xC3\xA9 \xCE\xA9|\r\n");
    EXPECT_EQ(readFile("out.txt"), "caf\xE9 ?|\r\n");
    writeExchangeFile(folder / "out.txt", "");
    EXPECT_EQ(readFile("out.txt"), "");
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"hxdatafl.mdb", "out.txt"}));
}

TEST_F(ExchangeFilesTest, FailedWriteLeavesTheOldFileIntact) {
    writeFile("out.txt", "old\r\n");
    // A file size limit makes the write itself fail half-way (EFBIG instead of the signal).
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &small);
    int number = 0;
    try {
        writeFileAtomically(folder / "out.txt", std::string(4096, 'x'));
    } catch (const AppError& e) {
        number = e.number();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(number, 75);
    EXPECT_EQ(readFile("out.txt"), "old\r\n");
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"hxdatafl.mdb", "out.txt"}));

    // A folder that does not exist: the error names the file.
    try {
        writeFileAtomically(folder / "nowhere" / "out.txt", "x");
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 75);
        EXPECT_NE(e.description().find("nowhere/out.txt"), std::string::npos) << e.description();
    }
}

}  // namespace
}  // namespace tp::test
