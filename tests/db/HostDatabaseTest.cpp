// HostDatabase: a missing file is 3024 (and is not created), a missing table or field is 3265 with
// the engine's own description, find-first on the criterion Val(Field) = 'n' over the cross join
// of the lookups finds exactly the rows of that number and is answered through the field's index,
// transactions roll back unless committed, and addNew gives the new row's automatic key.
#include "AppError.h"
#include "DbTransaction.h"
#include "HostDatabase.h"
#include "ProgramFolderFixture.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <gtest/gtest.h>

#include <string>

namespace tp::test {
namespace {

const std::string Lookup =
    "SELECT PropID, POwnerID, UAddress, UTenantID, TenantID, TFirstName1, TLastName1 FROM Properties, Units, Tenants";

// Runs `what` and returns the AppError it throws (number 0 when it throws none).
template <class F>
AppError errorOf(F what) {
    try {
        what();
    } catch (const AppError& e) {
        return e;
    }
    return AppError(0, "");
}

class HostDatabaseTest : public ProgramFolderFixture {
protected:
    std::int64_t count(const std::string& table) {
        ResultSet rows = g->database().query("SELECT count(*) AS n FROM " + table);
        rows.next();
        return *rows.integer("n");
    }
};

TEST_F(HostDatabaseTest, MissingFileIs3024AndIsNotCreated) {
    const auto missing = folder / "elsewhere" / HostDatabase::FileName;
    EXPECT_EQ(errorOf([&] { HostDatabase::open(missing); }).number(), 3024);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(errorOf([&] { HostDatabase::create(g->DatabasePath); }).number(), 58);
}

TEST_F(HostDatabaseTest, MissingTableOrFieldIs3265WithTheEngineDescription) {
    HostDatabase& db = g->database();
    AppError field = errorOf([&] { db.query("SELECT OACHX FROM Owners"); });
    EXPECT_EQ(field.number(), 3265);
    EXPECT_NE(field.description().find("no such column: OACHX"), std::string::npos) << field.description();

    sql("DROP TABLE Company");
    AppError table = errorOf([&] { db.query("SELECT * FROM Company"); });
    EXPECT_EQ(table.number(), 3265);
    EXPECT_NE(table.description().find("no such table: Company"), std::string::npos) << table.description();

    EXPECT_EQ(errorOf([&] { db.addNew("Owners", {{"NoSuchField", std::int64_t{1}}}); }).number(), 3265);

    sql("INSERT INTO Owners (OwnerID) VALUES (1)");
    ResultSet row = db.query("SELECT * FROM Owners");
    ASSERT_TRUE(row.next());
    EXPECT_EQ(errorOf([&] { row.text("OACHX"); }).number(), 3265);
    EXPECT_EQ(row.integer("ownerid"), 1);  // field names compare without case
}

TEST_F(HostDatabaseTest, FindFirstOnTheCrossJoinFindsARowExactlyWhenTheNumberExists) {
    sql("INSERT INTO Properties (PropID, POwnerID) VALUES (1, 10), (2, 20), (3, 30);"
        "INSERT INTO Tenants (TenantID, TFirstName1, TLastName1) VALUES (45, 'Ann', 'Lee'), (46, 'Bob', 'Ray');"
        "INSERT INTO Units (UTenantID, UAddress) VALUES (45, '12 Oak St Apt 2');");
    HostDatabase& db = g->database();

    ResultSet byProperty = db.findFirst(Lookup, "PropID", "2");
    ASSERT_TRUE(byProperty.onRow());
    EXPECT_EQ(byProperty.integer("POwnerID"), 20);
    EXPECT_TRUE(byProperty.next());  // one unit, two tenants: two rows for property 2
    EXPECT_EQ(byProperty.integer("PropID"), 2);
    EXPECT_FALSE(byProperty.next());

    ResultSet byTenant = db.findFirst(Lookup, "TenantID", "046");
    ASSERT_TRUE(byTenant.onRow());
    EXPECT_EQ(byTenant.text("TFirstName1"), "Bob");
    EXPECT_EQ(db.findFirst(Lookup, "UTenantID", "45").text("UAddress"), "12 Oak St Apt 2");

    EXPECT_FALSE(db.findFirst(Lookup, "PropID", "9").onRow());
    EXPECT_FALSE(db.findFirst(Lookup, "UTenantID", "46").onRow());
    EXPECT_FALSE(db.findFirst(Lookup, "PropID", "2.5").onRow());

    sql("DELETE FROM Units");  // a property exists, but the cross join has no row with it
    EXPECT_FALSE(db.findFirst(Lookup, "PropID", "2").onRow());
}

TEST_F(HostDatabaseTest, FindFirstIsAnsweredThroughTheFieldIndex) {
    // The look-up must search the named index of the criterion's table, never scan it (the cross
    // join of whole tables would otherwise be walked row by row).
    struct Case {
        const char* field;
        const char* table;
        const char* index;
    } cases[] = {{"PropID", "Properties", "PropIDIndex"},
                 {"UTenantID", "Units", "UTenantIDIndex"},
                 {"TenantID", "Tenants", "TenantIDIndex"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        SQLite::Statement plan(g->database().connection(), "EXPLAIN QUERY PLAN SELECT * FROM (" + Lookup +
                                                               ") WHERE \"" + c.field + "\" = ?");
        plan.bind(1, 7);
        std::string details;
        while (plan.executeStep()) details += plan.getColumn(3).getString() + "\n";
        EXPECT_NE(details.find(std::string("SEARCH ") + c.table + " USING"), std::string::npos) << details;
        EXPECT_NE(details.find(c.index), std::string::npos) << details;
        EXPECT_EQ(details.find(std::string("SCAN ") + c.table), std::string::npos) << details;
    }
}

TEST_F(HostDatabaseTest, TransactionRollsBackUnlessCommitted) {
    HostDatabase& db = g->database();
    {
        DbTransaction transaction(db);
        db.execute("INSERT INTO Owners (OwnerID) VALUES (?)", {std::int64_t{1}});
    }
    EXPECT_EQ(count("Owners"), 0);
    try {
        DbTransaction transaction(db);
        db.execute("INSERT INTO Owners (OwnerID) VALUES (2)");
        db.execute("INSERT INTO Owners (NoSuchField) VALUES (3)");
        transaction.commit();
    } catch (const AppError&) {
    }
    EXPECT_EQ(count("Owners"), 0);
    {
        DbTransaction transaction(db);
        db.execute("INSERT INTO Owners (OwnerID) VALUES (4)");
        transaction.commit();
    }
    EXPECT_EQ(count("Owners"), 1);
}

TEST_F(HostDatabaseTest, AddNewReturnsTheAutomaticKeyOfTheNewRow) {
    HostDatabase& db = g->database();
    std::int64_t first = db.addNew("CheckDepPrinted", {{"CkNumber", std::int64_t{1001}}, {"CkType", std::string("D")}});
    std::int64_t second = db.addNew("CheckDepPrinted", {{"CkNumber", std::int64_t{1002}}, {"CkAmount", 12.5}});
    EXPECT_EQ(second, first + 1);
    ResultSet row = db.query("SELECT CkNumber FROM CheckDepPrinted WHERE CkID = ?", {second});
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.integer("CkNumber"), 1002);
    // A deleted key is never handed out again.
    db.execute("DELETE FROM CheckDepPrinted WHERE CkID = ?", {second});
    EXPECT_EQ(db.addNew("CheckDepPrinted", {{"CkNumber", std::int64_t{1003}}}), second + 1);
}

}  // namespace
}  // namespace tp::test
