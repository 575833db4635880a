// WriteTenantListFile: the example line, the action word of every flag and VACANT placeholder,
// balance and start date text forms, the table order of the tenants, no file at all for an empty
// occupancy join, and the login check that leaves an earlier file unchanged.
#include "ExchangeTestSupport.h"
#include "TenantListFile.h"

#include <gtest/gtest.h>

namespace tp::test {
namespace {

class TenantListFileTest : public ExchangeFileTest {
protected:
    void SetUp() override {
        ExchangeFileTest::SetUp();
        sql("INSERT INTO Owners (OwnerID) VALUES (12);"
            "INSERT INTO Properties (PropID, POwnerID, PropCity, PropState) VALUES (3, 12, 'Springfield', 'IL');");
    }
    // A tenant of property 3 in its own unit; values are SQL literals.
    void addTenant(int id, const std::string& first, const std::string& flag, const std::string& balance = "0",
                   const std::string& start = "NULL") {
        sql("INSERT INTO Tenants (TenantID, TPropID, TFirstName1, TLastName1, TACH, TCurrBal, TStartDate) VALUES (" +
            std::to_string(id) + ", 3, " + first + ", 'Lee', " + flag + ", " + balance + ", " + start + ");" +
            "INSERT INTO Units (UTenantID, UAddress) VALUES (" + std::to_string(id) + ", 'Apt " + std::to_string(id) +
            "');");
    }
    std::vector<std::vector<std::string>> write() {
        WriteTenantListFile(*g, messenger);
        std::vector<std::vector<std::string>> rows;
        for (const std::string& line : linesOf(readFile(g->TenantListFileName))) rows.push_back(fieldsOf(line));
        return rows;
    }
};

TEST_F(TenantListFileTest, WritesTheExampleLine) {
    sql("INSERT INTO Tenants (TenantID, TPropID, TFirstName1, TLastName1, TACH, TCurrBal, TStartDate) "
        "  VALUES (45, 3, ' Ann ', 'Lee ', 'Y', 0, '2004-03-01');"
        "INSERT INTO Units (UTenantID, UAddress) VALUES (45, '12 Oak St Apt 2');");
    WriteTenantListFile(*g, messenger);
    EXPECT_EQ(readFile(g->TenantListFileName),
              "HXOR|O12|P3|U45|T45|0|3/1/2004|Rent|T45|Ann|Lee|12 Oak St Apt 2|Springfield|IL||activate|\r\n");
    EXPECT_EQ(messenger.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(TenantListFileTest, ActionFollowsThePlaceholderNameAndTheFlag) {
    struct Case {
        const char* first;
        const char* flag;
        const char* action;
    } cases[] = {
        {"'Ann'", "'Y'", "activate"},          {"'Ann'", "' Y '", "activate"},
        {"'Ann'", "'N'", "deactivate"},        {"'Ann'", "''", "deactivate"},
        {"'Ann'", "NULL", "deactivate"},       {"'Ann'", "'y'", "deactivate"},
        {"'Ann'", "'X'", "deactivate"},        {"'Ann'", "'YES'", "deactivate"},
        {"'Ann'", "'D'", "delete"},            {"'Ann'", "'d'", "deactivate"},
        {"'VACANT'", "'Y'", "delete"},         {"'VACANT UNIT'", "'Y'", "delete"},
        {"'  VACANT'", "'N'", "delete"},       {"'Vacant'", "'Y'", "activate"},
        {"'VACAN'", "'Y'", "activate"},        {"NULL", "'Y'", "activate"},
    };
    int id = 100;
    for (const Case& c : cases) addTenant(id++, c.first, c.flag);
    std::vector<std::vector<std::string>> rows = write();
    ASSERT_EQ(rows.size(), std::size(cases));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(std::string(cases[i].first) + " " + cases[i].flag);
        ASSERT_EQ(rows[i].size(), 17u);  // 16 fields, each followed by "|"
        EXPECT_EQ(rows[i][15], cases[i].action);
        EXPECT_EQ(rows[i][16], "");
        EXPECT_EQ(rows[i][4], rows[i][8]);
    }
}

TEST_F(TenantListFileTest, BalanceAndStartDateTextForms) {
    struct Case {
        const char* balance;
        const char* start;
        const char* balanceText;
        const char* startText;
    } cases[] = {
        {"1250", "'2005-01-15'", "1250", "1/15/2005"},  {"1250.50", "'2004-12-01'", "1250.5", "12/1/2004"},
        {"-35.75", "NULL", "-35.75", ""},                {"NULL", "''", "", ""},
        {"0.1", "'1999-07-04'", "0.1", "7/4/1999"},      {"-0.0001", "NULL", "-0.0001", ""},
    };
    int id = 200;
    for (const Case& c : cases) addTenant(id++, "'Ann'", "'Y'", c.balance, c.start);
    std::vector<std::vector<std::string>> rows = write();
    ASSERT_EQ(rows.size(), std::size(cases));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][5], cases[i].balanceText) << cases[i].balance;
        EXPECT_EQ(rows[i][6], cases[i].startText) << cases[i].start;
    }
}

TEST_F(TenantListFileTest, LinesFollowTheTableOrderOfTheTenants) {
    addTenant(9, "'First'", "'Y'");
    addTenant(2, "'Second'", "'Y'");
    addTenant(5, "'Third'", "'Y'");
    sql("INSERT INTO Units (UTenantID) VALUES (77);");  // no such tenant
    std::vector<std::string> keys;
    for (const auto& row : write()) keys.push_back(row[4] + " " + row[9]);
    EXPECT_EQ(keys, (std::vector<std::string>{"T9 First", "T2 Second", "T5 Third"}));
}

TEST_F(TenantListFileTest, EmptyOccupancyJoinLeavesNoFile) {
    writeFile(g->TenantListFileName, "old line\r\n");
    sql("INSERT INTO Tenants (TenantID, TPropID) VALUES (1, 3);");  // a tenant without a unit
    WriteTenantListFile(*g, messenger);
    EXPECT_FALSE(std::filesystem::exists(folder / g->TenantListFileName));
    EXPECT_TRUE(messenger.shown.empty());
    EXPECT_FALSE(messenger.busy);
}

TEST_F(TenantListFileTest, MissingLoginShowsTheLoginMessageAndWritesNothing) {
    writeFile(g->TenantListFileName, "old line\r\n");
    addTenant(45, "'Ann'", "'Y'");
    g->LoginMissing = true;
    WriteTenantListFile(*g, messenger);
    EXPECT_EQ(messenger.lines(), std::vector<std::string>{"[Login Message] You must have a valid LOGIN entry in the "
                                                          "User Name, Password, and URL. Please correct that and try "
                                                          "again."});
    EXPECT_TRUE(messenger.busyChanges.empty());
    EXPECT_EQ(readFile(g->TenantListFileName), "old line\r\n");
}

}  // namespace
}  // namespace tp::test
