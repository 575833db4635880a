// The credential shift: every character's Windows-1252 code moves by 3 (so "abc" becomes "def"
// and "xyz" becomes "{|}"), the result keeps the length, and a character that cannot be shifted
// (a code leaving 0 to 255, or one the code page lacks) is error 5, after which nothing is stored.
#include "AppError.h"
#include "LoginCommand.h"
#include "ProgramFolderFixture.h"
#include "SettingShift.h"

#include <gtest/gtest.h>

namespace tp::test {
namespace {

int errorNumberOf(std::string (*shift)(std::string_view), const std::string& text) {
    try {
        shift(text);
    } catch (const AppError& e) {
        return e.number();
    }
    return 0;
}

TEST(SettingShift, ShiftsEachCodeByThree) {
    struct Case {
        const char* plain;
        const char* encoded;
    } cases[] = {
        {"abc", "def"},
        {"xyz", "{|}"},
        {"", ""},
        {"^_`", "abc"},
        {"\x7F", "\xE2\x80\x9A"},                   // 0x7F becomes 0x82, the low quotation mark
        {"\xE2\x82\xAC", "\xC6\x92"},               // the euro sign (0x80) becomes 0x83, the florin
        {"caf\xC3\xA9", "fdi\xC3\xAC"},             // e acute (0xE9) becomes i grave (0xEC)
        {"\xC3\xBC", "\xC3\xBF"},                   // 0xFC becomes 0xFF, the highest code
        {"http://h/x?a=1&b=2", "kwws=22k2{Bd@4)e@5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plain);
        EXPECT_EQ(EncodeSetting(c.plain), c.encoded);
        EXPECT_EQ(DecodeSetting(c.encoded), c.plain);
    }
}

TEST(SettingShift, ACharacterThatCannotBeShiftedIsError5) {
    EXPECT_EQ(errorNumberOf(EncodeSetting, "ok\xC3\xBF"), 5);   // 0xFF + 3 leaves the range
    EXPECT_EQ(errorNumberOf(EncodeSetting, "\xCE\xA9"), 5);     // omega is not in the code page
    EXPECT_EQ(errorNumberOf(DecodeSetting, "\x02"), 5);         // 2 - 3 leaves the range
    EXPECT_EQ(errorNumberOf(EncodeSetting, "\xC3\xBD"), 5);     // 0xFD + 3 = 0x100
    EXPECT_EQ(errorNumberOf(EncodeSetting, "\xC3\xBC"), 0);
}

class StoreCredentialsTest : public ProgramFolderFixture {};

TEST_F(StoreCredentialsTest, NothingIsStoredWhenOneValueCannotBeShifted) {
    store->writeAll("old-user", "old-password", "old-url");
    g->ServiceUser = "demo";
    g->ServicePassword = "s\xC3\xBF";  // 0xFF cannot be shifted
    g->ServiceURL = "http://h/";
    try {
        storeCredentials(*g, *store);
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_EQ(e.description(), "Invalid procedure call or argument");
    }
    EXPECT_EQ(store->read("username"), "old-user");
    EXPECT_EQ(store->read("password"), "old-password");
    EXPECT_EQ(store->read("url"), "old-url");

    g->ServicePassword = "secret";
    storeCredentials(*g, *store);
    EXPECT_EQ(store->read("username"), "ghpr");
    EXPECT_EQ(store->read("password"), "vhfuhw");
}

}  // namespace
}  // namespace tp::test
