// CredentialStore: the three values come back exactly as written, including the characters an INI
// file treats specially and texts outside ASCII (shift-encoded values contain both), a missing
// key reads as "", and the file is readable by its owner only, even when it existed before.
#include "CredentialStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace tp {
namespace {

class CredentialStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyport-store-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    unsigned modeOf(const std::filesystem::path& file) {
        struct stat info {};
        ::stat(file.c_str(), &info);
        return info.st_mode & 0777;
    }
    std::filesystem::path folder;
};

TEST_F(CredentialStoreTest, ValuesRoundTripExactly) {
    CredentialStore store(folder / "Hestora" / "Hestora.ini");
    EXPECT_EQ(store.read("username"), "");
    const std::string tricky = "a;b=c#d\"e\\f,g [h] %i '\xC3\xAC\xE2\x80\x9A' ";
    store.writeAll("ghpr", tricky, "kwws=22k2{Bd@4)e@5");
    CredentialStore again(store.path());
    EXPECT_EQ(again.read("username"), "ghpr");
    EXPECT_EQ(again.read("password"), tricky);
    EXPECT_EQ(again.read("url"), "kwws=22k2{Bd@4)e@5");
    EXPECT_EQ(again.read("nokey"), "");
    store.writeAll("", "x", "");
    EXPECT_EQ(again.read("username"), "");
    EXPECT_EQ(again.read("password"), "x");
}

TEST_F(CredentialStoreTest, FileIsReadableByItsOwnerOnly) {
    CredentialStore fresh(folder / "new" / "Hestora.ini");
    fresh.writeAll("u", "p", "h");
    EXPECT_EQ(modeOf(fresh.path()), 0600u);

    const auto existing = folder / "existing.ini";
    std::ofstream(existing) << "[Other]\nkey=kept\n";
    ::chmod(existing.c_str(), 0644);
    CredentialStore store(existing);
    store.writeAll("u", "p", "h");
    EXPECT_EQ(modeOf(existing), 0600u);
    EXPECT_EQ(store.read("password"), "p");
}

TEST_F(CredentialStoreTest, UserStoreFollowsXdgConfigHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    std::string before = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    EXPECT_EQ(CredentialStore::userStorePath(), folder / "Hestora" / "Hestora.ini");
    if (saved) ::setenv("XDG_CONFIG_HOME", before.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace tp
