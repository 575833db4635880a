// ProgramFolderFixture: a fresh, empty program folder per test with a fresh host database built by
// the project's own schema code, a Globals on it, a private settings file and a ScriptedMessenger.
#pragma once

#include "CredentialStore.h"
#include "Globals.h"
#include "HostDatabase.h"
#include "ScriptedMessenger.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace tp::test {

class ProgramFolderFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Credentials complete and the exchange-file names derived, as after a normal start-up.
    void logIn(const std::string& url = "http://127.0.0.1:1/integration/upload.php");
    // Runs SQL on the test database (fixture rows).
    void sql(const std::string& statements);
    std::string readFile(const std::string& name) const;
    void writeFile(const std::string& name, const std::string& bytes) const;

    std::filesystem::path folder;
    std::unique_ptr<Globals> g;
    std::unique_ptr<CredentialStore> store;
    ScriptedMessenger messenger;
};

}  // namespace tp::test
