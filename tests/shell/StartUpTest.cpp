// The start-up sequence without its screen, and the login that completes the credentials later:
// a missing database ends the program, missing credentials ask once and leave the menu usable with
// the login message, saved credentials are stored shift-encoded, other errors (a missing ID file,
// a character that cannot be shifted) are reported and leave the menu usable; whenever the
// credentials in use are complete the exchange-file names are derived.
#include "AppError.h"
#include "IdFile.h"
#include "LoginCommand.h"
#include "ProgramFolderFixture.h"
#include "StartUp.h"

#include <gtest/gtest.h>

namespace tp::test {
namespace {

const std::string LoginLine =
    "[Login Message] You must have a valid LOGIN entry in the User Name, Password, and URL. Please correct that "
    "and try again.";

// The login screen: Save with the given entries, or Cancel.
class FakeLoginPrompt : public LoginPrompt {
public:
    bool save = false;
    std::string url, user, password;
    int shownCount = 0;
    bool showLogin(Globals& g) override {
        ++shownCount;
        if (save) applyLoginEntries(g, url, user, password);
        return save;
    }
};

class StartUpTest : public ProgramFolderFixture {
protected:
    StartUpOutcome start(const PaymentCheck& check = nullptr) {
        PaymentCheck counted = [&](Globals& globals, Messenger& m) {
            ++paymentChecks;
            if (check) check(globals, m);
        };
        return RunStartUp(*g, messenger, *store, prompt, counted);
    }
    void writeIdFile() { writeFile(IdFileName, std::string(9, '\n') + "Rent Income;I 4000\r\nMONTH rent\r\n"); }

    FakeLoginPrompt prompt;
    int paymentChecks = 0;
};

TEST_F(StartUpTest, MissingDatabaseEndsTheProgram) {
    g->HostDatabase.reset();
    std::filesystem::remove(g->DatabasePath);
    EXPECT_EQ(start(), StartUpOutcome::EndProgram);
    EXPECT_EQ(messenger.lines(),
              std::vector<std::string>{"[Orvanta] Hestora data file not found - be sure that the Orvanta Program is "
                                       "copied into the same directory or folder as the main Hestora Program."});
    EXPECT_EQ(prompt.shownCount, 0);
    EXPECT_FALSE(std::filesystem::exists(g->DatabasePath));
}

TEST_F(StartUpTest, CancelOrIncompleteLoginLeavesTheMenuWithTheLoginMessage) {
    for (bool save : {false, true}) {
        SCOPED_TRACE(save ? "Save with an empty password" : "Cancel");
        messenger.shown.clear();
        prompt = FakeLoginPrompt{};
        prompt.save = save;
        prompt.url = "http://h/";
        prompt.user = "demo";
        prompt.password = "   ";
        EXPECT_EQ(start(), StartUpOutcome::LoginMissing);
        EXPECT_EQ(prompt.shownCount, 1);
        EXPECT_EQ(messenger.lines(), std::vector<std::string>{LoginLine});
        EXPECT_TRUE(g->LoginMissing);
        EXPECT_EQ(g->SetupFileName, "");
        EXPECT_EQ(g->TenantListFileName, "");
        EXPECT_FALSE(std::filesystem::exists(store->path()));
        EXPECT_EQ(paymentChecks, 0);
    }
}

TEST_F(StartUpTest, SavedLoginIsStoredEncodedAndStartUpGoesOn) {
    prompt.save = true;
    prompt.url = " http://h/x ";
    prompt.user = "abc";
    prompt.password = "xyz";
    EXPECT_EQ(start(), StartUpOutcome::Ready);
    EXPECT_TRUE(messenger.shown.empty());
    EXPECT_EQ(store->read("username"), "def");
    EXPECT_EQ(store->read("password"), "{|}");
    EXPECT_EQ(store->read("url"), "kwws=22k2{");
    EXPECT_EQ(g->ServiceUser, "abc");
    EXPECT_EQ(g->ServiceURL, "http://h/x");
    EXPECT_FALSE(g->LoginMissing);
    EXPECT_EQ(g->SetupFileName, "HX_Pelwin_Setup_HXOR.txt");
    EXPECT_EQ(g->TenantListFileName, "HX_Pelwin_Tenant_HXOR.txt");
    EXPECT_EQ(g->DisbursementFileName, "HX_Pelwin_DisbursementPayment.txt");
    EXPECT_EQ(paymentChecks, 1);
}

TEST_F(StartUpTest, StoredValuesAreDecodedEachOnItsOwn) {
    store->writeAll("abc", "vhfuhw", "kwws=22k2");
    EXPECT_EQ(start(), StartUpOutcome::Ready);
    EXPECT_EQ(prompt.shownCount, 0);
    EXPECT_EQ(g->ServiceUser, "^_`");
    EXPECT_EQ(g->ServicePassword, "secret");
    EXPECT_EQ(g->ServiceURL, "http://h/");
}

TEST_F(StartUpTest, OtherErrorsAreReportedAndLeaveTheMenuUsable) {
    store->writeAll("ghpr", "vhfuhw", "kwws=22k2");
    // The payment check reads the ID file first; here it is missing.
    EXPECT_EQ(start([](Globals& globals, Messenger& m) {
                  m.setBusy(true);
                  LoadIDFile(globals);
              }),
              StartUpOutcome::Stopped);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].title, "Orvanta Error Message");
    EXPECT_EQ(messenger.shown[0].text.rfind("53 - ", 0), 0u) << messenger.shown[0].text;
    EXPECT_FALSE(messenger.shown[0].busyWhenShown);
    EXPECT_FALSE(g->LoginMissing);
    EXPECT_EQ(g->SetupFileName, "HX_Pelwin_Setup_HXOR.txt");
}

TEST_F(StartUpTest, AMissingFieldEndsTheProgram) {
    store->writeAll("ghpr", "vhfuhw", "kwws=22k2");
    EXPECT_EQ(start([](Globals& globals, Messenger&) { globals.database().query("SELECT OACHX FROM Owners"); }),
              StartUpOutcome::EndProgram);
    EXPECT_EQ(messenger.lines(), std::vector<std::string>{"[Orvanta] Company Orvanta field not found"});
}

TEST_F(StartUpTest, SavedLoginThatCannotBeEncodedIsReportedAndStillUsable) {
    prompt.save = true;
    prompt.url = "http://h/";
    prompt.user = "demo";
    prompt.password = "s\xC3\xBF";  // 0xFF cannot be shifted
    EXPECT_EQ(start(), StartUpOutcome::Stopped);
    EXPECT_EQ(messenger.lines(),
              std::vector<std::string>{"[Orvanta Error Message] 5 - Invalid procedure call or argument"});
    EXPECT_FALSE(std::filesystem::exists(store->path()));
    // The entries are complete for this run, so no exchange may work with an empty file name.
    EXPECT_FALSE(g->LoginMissing);
    EXPECT_EQ(g->SetupFileName, "HX_Pelwin_Setup_HXOR.txt");
}

TEST_F(StartUpTest, LoginAfterCancelDerivesTheNamesAndReadsTheIdFile) {
    EXPECT_EQ(start(), StartUpOutcome::LoginMissing);
    writeIdFile();
    messenger.shown.clear();

    applyLoginEntries(*g, "http://h/", "demo", "");
    finishLogin(*g, messenger, *store);
    EXPECT_EQ(messenger.lines(), std::vector<std::string>{LoginLine});
    EXPECT_EQ(g->SetupFileName, "");

    messenger.shown.clear();
    applyLoginEntries(*g, "http://h/", "demo", "secret");
    finishLogin(*g, messenger, *store);
    EXPECT_TRUE(messenger.shown.empty());
    EXPECT_EQ(store->read("password"), "vhfuhw");
    EXPECT_EQ(g->SetupFileName, "HX_Pelwin_Setup_HXOR.txt");
    EXPECT_EQ(g->RentIncomeDefault, "Rent Income;I 4000");
    EXPECT_EQ(g->RentRemarkDefault, "MONTH rent");
}

TEST_F(StartUpTest, LoginThatCannotBeStoredIsReportedAndStillDerivesTheNames) {
    EXPECT_EQ(start(), StartUpOutcome::LoginMissing);
    writeIdFile();
    messenger.shown.clear();
    applyLoginEntries(*g, "http://h/", "d\xC3\xBD", "secret");  // 0xFD cannot be shifted
    finishLogin(*g, messenger, *store);
    EXPECT_EQ(messenger.lines(),
              std::vector<std::string>{"[Orvanta Error Message] 5 - Invalid procedure call or argument"});
    EXPECT_FALSE(std::filesystem::exists(store->path()));
    EXPECT_EQ(g->SetupFileName, "HX_Pelwin_Setup_HXOR.txt");
    EXPECT_EQ(g->RentIncomeDefault, "Rent Income;I 4000");
}

}  // namespace
}  // namespace tp::test
