// tallyport-cli as a user runs it: init-db (with the demo portfolio, and refusing an existing
// database), login (refusing an empty value with the login message, storing the values encoded and
// private), upload-all --dry-run writing both exchange files, and the exit codes 0, 1 and 2.
#include "ExchangeFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace tp {
namespace {

struct CliRun {
    int exitCode;
    std::string output;  // stdout and stderr together
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyport-cli-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        folder = root / "program";
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    // Runs the binary with the given (shell-safe) arguments, its settings kept under `root`.
    CliRun cli(const std::string& args) {
        const std::string command = "cd '" + folder.string() + "' && XDG_CONFIG_HOME='" + (root / "config").string() +
                                    "' '" TP_CLI_BINARY "' " + args + " </dev/null 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        std::string output;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
        int status = ::pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
    }
    std::filesystem::path settingsFile() const { return root / "config" / "Hestora" / "Hestora.ini"; }

    std::filesystem::path root, folder;
};

const std::string LoginMessage =
    "[Login Message] You must have a valid LOGIN entry in the User Name, Password, and URL. Please correct that and "
    "try again.";

TEST_F(CliTest, InitDbCreatesTheDemoAndRefusesToOverwrite) {
    CliRun created = cli("init-db --demo");
    EXPECT_EQ(created.exitCode, 0) << created.output;
    ASSERT_TRUE(fileExists(folder / "hxdatafl.mdb"));
    EXPECT_TRUE(fileExists(folder / "IDFILE.DAT"));
    const std::string before = readFileBytes(folder / "hxdatafl.mdb");

    CliRun again = cli("init-db");
    EXPECT_EQ(again.exitCode, 1) << again.output;
    EXPECT_NE(again.output.find("hxdatafl.mdb"), std::string::npos) << again.output;
    EXPECT_EQ(readFileBytes(folder / "hxdatafl.mdb"), before);

    CliRun elsewhere = cli("--folder sub init-db");
    EXPECT_EQ(elsewhere.exitCode, 1) << "a folder that does not exist: " << elsewhere.output;
    std::filesystem::create_directories(folder / "sub");
    EXPECT_EQ(cli("--folder sub init-db").exitCode, 0);
    EXPECT_TRUE(fileExists(folder / "sub" / "hxdatafl.mdb"));
}

TEST_F(CliTest, LoginStoresTrimmedValuesEncodedOrShowsTheLoginMessage) {
    CliRun empty = cli("login demo '  ' http://127.0.0.1:1/");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_NE(empty.output.find(LoginMessage), std::string::npos) << empty.output;
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));

    CliRun stored = cli("login ' demo ' secret http://h/");
    EXPECT_EQ(stored.exitCode, 0) << stored.output;
    std::ifstream in(settingsFile());
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("username=ghpr"), std::string::npos) << text;
    EXPECT_NE(text.find("password=vhfuhw"), std::string::npos) << text;
    EXPECT_EQ(text.find("secret"), std::string::npos) << text;
    struct stat info {};
    ::stat(settingsFile().c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(CliTest, UploadAllDryRunWritesBothFilesAfterTheLoginCheck) {
    ASSERT_EQ(cli("init-db --demo").exitCode, 0);
    CliRun refused = cli("upload-all --dry-run");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.output.find(LoginMessage), std::string::npos) << refused.output;
    EXPECT_FALSE(fileExists(folder / "HX_Pelwin_Setup_HXOR.txt"));

    ASSERT_EQ(cli("login demo secret http://127.0.0.1:1/").exitCode, 0);
    CliRun dry = cli("upload-all --dry-run");
    EXPECT_EQ(dry.exitCode, 0) << dry.output;
    const std::string setup = readFileBytes(folder / "HX_Pelwin_Setup_HXOR.txt");
    const std::string tenants = readFileBytes(folder / "HX_Pelwin_Tenant_HXOR.txt");
    EXPECT_EQ(setup.rfind("HXOR|O", 0), 0u) << setup;
    EXPECT_EQ(tenants.rfind("HXOR|O", 0), 0u) << tenants;
    EXPECT_EQ(setup.substr(setup.size() - 2), "\r\n");
    EXPECT_EQ(tenants.substr(tenants.size() - 3), "|\r\n");
    EXPECT_NE(tenants.find("|activate|\r\n"), std::string::npos);
    EXPECT_NE(tenants.find("|delete|\r\n"), std::string::npos);  // the demo has a VACANT placeholder
}

TEST_F(CliTest, WrongUsageExitsWith2) {
    for (const char* args : {"", "frobnicate", "init-db --bogus", "init-db --demo extra", "login a b",
                             "upload-all --wet", "--folder"}) {
        CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 2) << "'" << args << "': " << run.output;
    }
    EXPECT_FALSE(fileExists(folder / "hxdatafl.mdb"));
}

}  // namespace
}  // namespace tp
