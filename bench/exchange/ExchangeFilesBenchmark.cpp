// Writes the setup file and the tenant participant file for a generated portfolio of 20,000
// occupied units (1,000 owners, 4,000 properties, 20,000 tenants and units, inserted in one
// transaction) in a temporary program folder, and times each writer on its own.
#include "DbTransaction.h"
#include "Globals.h"
#include "HostDatabase.h"
#include "Messenger.h"
#include "SetupFile.h"
#include "TenantListFile.h"

#include <benchmark/benchmark.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int Owners = 1000;
constexpr int PropertiesPerOwner = 4;
constexpr int UnitsPerProperty = 5;

class SilentMessenger : public tp::Messenger {
public:
    void message(const std::string&, const std::string&, tp::MessageIcon) override {}
    tp::Answer ask(const std::string&, const std::string&, tp::MessageIcon) override { return tp::Answer::No; }
    void setBusy(bool) override {}
};

// One program folder with the generated portfolio, shared by both benchmarks.
struct Portfolio {
    Portfolio() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyport-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        g = std::make_unique<tp::Globals>(folder);
        g->HostDatabase = tp::HostDatabase::create(g->DatabasePath);
        g->ServiceURL = "http://127.0.0.1:1/";
        g->ServiceUser = "demo";
        g->ServicePassword = "secret";
        tp::DeriveExchangeFileNames(*g);
        fill();
    }
    ~Portfolio() {
        g.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    void fill() {
        SQLite::Database& db = g->HostDatabase->connection();
        tp::DbTransaction transaction(*g->HostDatabase);
        db.exec("INSERT INTO Company VALUES ('Acme Realty', 'office@acme.test', '555-0100', '555-0101')");
        SQLite::Statement owner(db, "INSERT INTO Owners (OwnerID, OFirstName1, OLastName1, OACH, OCurrBal) "
                                    "VALUES (?, ?, ?, 'Y', 0)");
        SQLite::Statement property(db, "INSERT INTO Properties (PropID, POwnerID, PropName, PropAddress1, "
                                       "PropAddress2, PropCity, PropState, PropZip) VALUES (?, ?, ?, ?, ?, "
                                       "'Springfield', 'IL', '62701')");
        SQLite::Statement tenant(db, "INSERT INTO Tenants (TenantID, TPropID, TFirstName1, TLastName1, TStartDate, "
                                     "TACH, TCurrBal) VALUES (?, ?, ?, ?, '2004-03-01', ?, ?)");
        SQLite::Statement unit(db, "INSERT INTO Units (UTenantID, UAddress, UNumber, UCurrBal) VALUES (?, ?, ?, 0)");
        static const char* const flags[] = {"Y", "N", "D", ""};
        int propId = 0, tenantId = 0;
        for (int o = 1; o <= Owners; ++o) {
            owner.bind(1, o);
            owner.bind(2, " Owner" + std::to_string(o) + " ");
            owner.bind(3, "Holdings");
            owner.exec();
            owner.reset();
            for (int p = 0; p < PropertiesPerOwner; ++p) {
                ++propId;
                property.bind(1, propId);
                property.bind(2, o);
                property.bind(3, "Court " + std::to_string(propId));
                property.bind(4, std::to_string(propId) + " Oak St");
                property.bind(5, p % 2 ? "Suite 4" : "");
                property.exec();
                property.reset();
                for (int u = 0; u < UnitsPerProperty; ++u) {
                    ++tenantId;
                    tenant.bind(1, tenantId);
                    tenant.bind(2, propId);
                    tenant.bind(3, tenantId % 50 == 0 ? "VACANT" : "Ann");
                    tenant.bind(4, "Lee " + std::to_string(tenantId));
                    tenant.bind(5, flags[tenantId % 4]);
                    tenant.bind(6, (tenantId % 7) * 125.5 - 200);
                    tenant.exec();
                    tenant.reset();
                    unit.bind(1, tenantId);
                    unit.bind(2, std::to_string(propId) + " Oak St Apt " + std::to_string(u + 1));
                    unit.bind(3, std::to_string(u + 1));
                    unit.exec();
                    unit.reset();
                }
            }
        }
        transaction.commit();
    }

    std::filesystem::path folder;
    std::unique_ptr<tp::Globals> g;
};

Portfolio& portfolio() {
    static Portfolio shared;
    return shared;
}

void BM_WriteSetupFile(benchmark::State& state) {
    Portfolio& p = portfolio();
    SilentMessenger messenger;
    for (auto _ : state) tp::WriteSetupFile(*p.g, messenger);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(p.g->pathOf(p.g->SetupFileName)));
}

void BM_WriteTenantListFile(benchmark::State& state) {
    Portfolio& p = portfolio();
    SilentMessenger messenger;
    for (auto _ : state) tp::WriteTenantListFile(*p.g, messenger);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(p.g->pathOf(p.g->TenantListFileName)));
}

BENCHMARK(BM_WriteSetupFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteTenantListFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
