#include "ProgramFolderFixture.h"

#include "ExchangeFiles.h"

#include <SQLiteCpp/Database.h>

#include <cstdlib>
#include <fstream>

namespace tp::test {

void ProgramFolderFixture::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tallyport-test-XXXXXX").string();
    folder = ::mkdtemp(pattern.data());
    g = std::make_unique<Globals>(folder);
    g->HostDatabase = HostDatabase::create(g->DatabasePath);
    store = std::make_unique<CredentialStore>(folder / "config" / "Hestora" / "Hestora.ini");
}

void ProgramFolderFixture::TearDown() {
    g.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

void ProgramFolderFixture::logIn(const std::string& url) {
    g->ServiceURL = url;
    g->ServiceUser = "demo";
    g->ServicePassword = "secret";
    g->LoginMissing = false;
    DeriveExchangeFileNames(*g);
}

void ProgramFolderFixture::sql(const std::string& statements) { g->HostDatabase->connection().exec(statements); }

std::string ProgramFolderFixture::readFile(const std::string& name) const { return readFileBytes(folder / name); }

void ProgramFolderFixture::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

}  // namespace tp::test
