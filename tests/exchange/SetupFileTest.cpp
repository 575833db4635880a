// WriteSetupFile: the example line, one line per occupied unit in owner, property and unit order
// (and none for units, tenants, properties or owners outside the occupancy join), the owner-name
// and street rules, values written unescaped and in Windows-1252, a 0-byte file for an empty
// portfolio, and an empty Company table reported without touching the previous file.
#include "AppError.h"
#include "ExchangeTestSupport.h"
#include "SetupFile.h"

#include <gtest/gtest.h>

namespace tp::test {
namespace {

class SetupFileTest : public ExchangeFileTest {
protected:
    std::vector<std::string> write() {
        WriteSetupFile(*g, messenger);
        return linesOf(readFile(g->SetupFileName));
    }
    void addCompany() { sql("INSERT INTO Company VALUES (' Acme Realty ', NULL, '555-0100', NULL);"); }
};

TEST_F(SetupFileTest, WritesTheExampleLine) {
    addCompany();
    sql("INSERT INTO Owners (OwnerID, OFirstName1, OLastName1) VALUES (12, 'Mary', 'Smith');"
        "INSERT INTO Properties (PropID, POwnerID, PropName, PropAddress1, PropAddress2, PropCity, PropState) "
        "  VALUES (3, 12, 'Oak Court', '12 Oak St', '  ', 'Springfield', 'IL');"
        "INSERT INTO Tenants (TenantID, TPropID, TFirstName1) VALUES (45, 3, 'Ann');"
        "INSERT INTO Units (UTenantID, UAddress) VALUES (45, '12 Oak St Apt 2');");
    EXPECT_EQ(write(), std::vector<std::string>{"HXOR|O12|Mary Smith|P3|Oak Court|Acme Realty|||555-0100||12 Oak "
                                                "St|Springfield|IL||U45|12 Oak St Apt 2|Springfield|IL|"});
    EXPECT_EQ(messenger.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(SetupFileTest, ListsOccupiedUnitsByOwnerPropertyAndUnit) {
    addCompany();
    sql("INSERT INTO Owners (OwnerID, OLastName1) VALUES (12, 'B'), (7, 'A'), (20, 'No properties');"
        "INSERT INTO Properties (PropID, POwnerID) VALUES (5, 12), (3, 12), (9, 7), (4, 12);"  // 4: no tenants
        "INSERT INTO Tenants (TenantID, TPropID) VALUES (52, 5), (51, 5), (32, 3), (31, 3), (90, 9), (77, 3);"
        "INSERT INTO Units (UTenantID) VALUES (51), (32), (90), (52), (31), (99);");  // 99: no such tenant; 77: no unit
    std::vector<std::string> keys;
    for (const std::string& line : write()) {
        std::vector<std::string> f = fieldsOf(line);
        ASSERT_EQ(f.size(), 19u) << line;
        keys.push_back(f[1] + " " + f[3] + " " + f[14]);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"O7 P9 U90", "O12 P3 U31", "O12 P3 U32", "O12 P5 U51", "O12 P5 U52"}));
}

TEST_F(SetupFileTest, OwnerNameAndStreetRules) {
    addCompany();
    struct Case {
        const char* first;  // SQL literals, NULL for an absent value
        const char* last;
        const char* name;
        const char* line1;
        const char* line2;
        const char* street;
    } cases[] = {
        {"'  Ann  '", "' Lee '", "Ann Lee", "' 12 Oak St '", "' Suite 4 '", "12 Oak St Suite 4"},
        {"''", "'Lee Holdings'", "Lee Holdings", "'12 Oak St'", "''", "12 Oak St"},
        {"NULL", "'Lee'", "Lee", "'12 Oak St'", "NULL", "12 Oak St"},
        {"'   '", "NULL", "", "NULL", "'Suite 4'", " Suite 4"},
        {"'Ann'", "NULL", "Ann ", "NULL", "NULL", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " " + c.last + " / " + c.line1 + " " + c.line2);
        sql("DELETE FROM Owners; DELETE FROM Properties; DELETE FROM Tenants; DELETE FROM Units;"
            "INSERT INTO Owners (OwnerID, OFirstName1, OLastName1) VALUES (1, " + std::string(c.first) + ", " + c.last +
            ");INSERT INTO Properties (PropID, POwnerID, PropAddress1, PropAddress2) VALUES (2, 1, " + c.line1 + ", " +
            c.line2 + ");INSERT INTO Tenants (TenantID, TPropID) VALUES (3, 2);"
            "INSERT INTO Units (UTenantID) VALUES (3);");
        std::vector<std::string> lines = write();
        ASSERT_EQ(lines.size(), 1u);
        std::vector<std::string> f = fieldsOf(lines[0]);
        EXPECT_EQ(f[2], c.name);
        EXPECT_EQ(f[10], c.street);
    }
}

TEST_F(SetupFileTest, ValuesAreWrittenUnescapedInWindows1252) {
    sql("INSERT INTO Company VALUES ('Acme', ' info@acme.test ', ' 555-0100 ', ' 555-0101 ');"
        "INSERT INTO Owners (OwnerID, OFirstName1, OLastName1) VALUES (1, 'Ren\xC3\xA9', 'Zh\xC5\x8Du');"
        "INSERT INTO Properties (PropID, POwnerID, PropName, PropCity, PropState, PropZip) "
        "  VALUES (2, 1, 'Oak | Elm', ' Springfield ', ' IL ', ' 62701 ');"
        "INSERT INTO Tenants (TenantID, TPropID) VALUES (3, 2);"
        "INSERT INTO Units (UTenantID, UAddress) VALUES (3, ' 1 Elm \xE2\x82\xAC ');");
    EXPECT_EQ(write(), std::vector<std::string>{"HXOR|O1|Ren\xE9 Zh?u|P2|Oak | Elm|Acme|info@acme.test|info@acme.test|"
                                                "555-0100|555-0101||Springfield|IL|62701|U3|1 Elm \x80|Springfield|IL|"
                                                "62701"});
}

TEST_F(SetupFileTest, NoOccupiedUnitGivesAnEmptyFile) {
    addCompany();
    writeFile(g->SetupFileName, "old line\r\n");
    sql("INSERT INTO Owners (OwnerID) VALUES (1); INSERT INTO Properties (PropID, POwnerID) VALUES (2, 1);");
    WriteSetupFile(*g, messenger);
    ASSERT_TRUE(std::filesystem::exists(folder / g->SetupFileName));
    EXPECT_EQ(std::filesystem::file_size(folder / g->SetupFileName), 0u);
}

TEST_F(SetupFileTest, EmptyCompanyTableIsError3021AndKeepsTheOldFile) {
    writeFile(g->SetupFileName, "old line\r\n");
    sql("INSERT INTO Owners (OwnerID) VALUES (1); INSERT INTO Properties (PropID, POwnerID) VALUES (2, 1);"
        "INSERT INTO Tenants (TenantID, TPropID) VALUES (3, 2); INSERT INTO Units (UTenantID) VALUES (3);");
    try {
        WriteSetupFile(*g, messenger);
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 3021);
        EXPECT_NE(e.description().find("Company"), std::string::npos) << e.description();
    }
    EXPECT_EQ(readFile(g->SetupFileName), "old line\r\n");
    EXPECT_FALSE(messenger.busy);
}

}  // namespace
}  // namespace tp::test
