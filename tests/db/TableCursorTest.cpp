// TableCursor: a host table opened on one of its named indexes, positioned by seek; the current row
// is read, edited and deleted, and nothing else in the table changes. An index the table does not
// have is 3265; reading or editing without a current row is 3021.
#include "AppError.h"
#include "HostDatabase.h"
#include "ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace tp::test {
namespace {

class TableCursorTest : public ProgramFolderFixture {
protected:
    void SetUp() override {
        ProgramFolderFixture::SetUp();
        sql("INSERT INTO Tenants (TenantID, TFirstName1, TACH, TCurrBal) VALUES "
            "(45, 'Ann', 'N', 10.5), (46, 'Bob', 'N', 0), (47, 'Cy', 'N', 0);");
    }
    std::string flagOf(std::int64_t tenant) {
        ResultSet row = g->database().query("SELECT TACH FROM Tenants WHERE TenantID = ?", {tenant});
        return row.next() ? row.text("TACH") : "(gone)";
    }
};

TEST_F(TableCursorTest, SeekEditsAndDeletesOnlyTheFoundRow) {
    TableCursor tenants = g->database().openTable("Tenants", "TenantIDIndex");
    ASSERT_TRUE(tenants.seek(std::int64_t{46}));
    EXPECT_EQ(tenants.row().text("TFirstName1"), "Bob");

    tenants.edit({{"TACH", std::string("Y")}, {"TCurrBal", moneyValue(*Money::parse("-35.75"))}});
    EXPECT_EQ(tenants.row().text("TACH"), "Y");  // the row is read again after the edit
    EXPECT_EQ(tenants.row().money("TCurrBal"), Money::parse("-35.75"));
    EXPECT_EQ(flagOf(45), "N");
    EXPECT_EQ(flagOf(46), "Y");

    tenants.remove();
    EXPECT_TRUE(tenants.noMatch());
    EXPECT_EQ(flagOf(46), "(gone)");
    EXPECT_EQ(flagOf(47), "N");
}

TEST_F(TableCursorTest, SeekWithoutMatchLeavesNoCurrentRow) {
    TableCursor tenants = g->database().openTable("Tenants", "tenantidindex");  // names compare without case
    EXPECT_FALSE(tenants.seek(std::int64_t{99}));
    EXPECT_TRUE(tenants.noMatch());
    try {
        tenants.edit({{"TACH", std::string("Y")}});
        ADD_FAILURE() << "edit without a current row";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 3021);
    }
    EXPECT_THROW(tenants.row(), AppError);
    EXPECT_THROW(tenants.remove(), AppError);
    EXPECT_EQ(flagOf(45), "N");
    EXPECT_TRUE(tenants.seek(std::string("45")));  // a number written as text finds the same row
}

TEST_F(TableCursorTest, AnIndexTheTableDoesNotHaveIs3265) {
    for (auto [table, index] : {std::pair{"Tenants", "NoSuchIndex"}, std::pair{"Owners", "TenantIDIndex"},
                                std::pair{"NoSuchTable", "TenantIDIndex"}}) {
        try {
            g->database().openTable(table, index);
            ADD_FAILURE() << table << " " << index;
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), 3265) << table << " " << index;
        }
    }
}

}  // namespace
}  // namespace tp::test
