// "Upload All Info NOW" from end to end against the service stand-in: the files it builds, what
// it sends, the message it shows, what happens when the service cannot be reached or the component
// cannot be loaded, and the payments that come back with the upload being kept for posting.
#include "FetchedPayments.h"
#include "ProgramFolderFixture.h"
#include "SimServer.h"
#include "UploadAll.h"

#include <fstream>

namespace tp::test {
namespace {

const std::string ErrorTextFor9999 =
    "[Orvanta error] The action could not be performed because of the following error: 9999\r\rPlease notify us "
    "of this error.";
const std::string SuccessLine = "[Hestora Orvanta] Successful connection to Pelwin Payment Services!";

class UploadAllTest : public ProgramFolderFixture {
protected:
    void SetUp() override {
        ProgramFolderFixture::SetUp();
        sql("INSERT INTO Company VALUES ('Acme Realty', NULL, '555-0100', NULL);"
            "INSERT INTO Owners (OwnerID, OFirstName1, OLastName1) VALUES (12, 'Mary', 'Smith');"
            "INSERT INTO Properties (PropID, POwnerID, PropName, PropCity) VALUES (3, 12, 'Oak Court', 'Springfield');"
            "INSERT INTO Tenants (TenantID, TPropID, TFirstName1, TLastName1, TACH, TCurrBal) "
            "  VALUES (45, 3, 'Ann', 'Lee', 'Y', 0), (46, 3, 'Bob', 'Ray', 'N', 10);"
            "INSERT INTO Units (UTenantID, UAddress) VALUES (45, '12 Oak St Apt 2'), (46, '12 Oak St Apt 3');");
    }

    std::string paymentsFile() const { return folder / "payments.txt"; }
    void givePayments(const std::string& records) const { std::ofstream(paymentsFile()) << records; }
};

TEST_F(UploadAllTest, SendsEveryLineAndReportsSuccess) {
    SimServer sim;
    logIn(sim.url());
    EXPECT_TRUE(UploadAllInfoNow(*g, messenger, defaultUploaderFactory()));
    EXPECT_EQ(messenger.lines(), std::vector<std::string>{SuccessLine});
    EXPECT_EQ(g->LastResult, "True");
    EXPECT_EQ(g->LastStatus, 200);
    EXPECT_FALSE(messenger.busy);
    const std::string log = sim.log();
    EXPECT_NE(log.find("op=s"), std::string::npos);
    EXPECT_NE(log.find("op=t status=200 data=\"HXOR|O12|P3|U46|T46|10|"), std::string::npos);
    EXPECT_NE(log.find("op=p"), std::string::npos);
}

TEST_F(UploadAllTest, UnreachableServiceShowsTheDefaultMessageAndKeepsBothFiles) {
    logIn(unreachableUrl());
    EXPECT_FALSE(UploadAllInfoNow(*g, messenger, defaultUploaderFactory()));
    EXPECT_EQ(messenger.lines(), std::vector<std::string>{ErrorTextFor9999});
    EXPECT_FALSE(messenger.shown[0].busyWhenShown);
    EXPECT_EQ(g->LastResult, "False");
    EXPECT_EQ(g->LastStatus, 9999);
    EXPECT_TRUE(std::filesystem::exists(folder / g->SetupFileName));
    EXPECT_TRUE(std::filesystem::exists(folder / g->TenantListFileName));
}

TEST_F(UploadAllTest, WithNoOccupiedUnitTheUploadSendsNoTenantLine) {
    sql("DELETE FROM Units");
    SimServer sim;
    logIn(sim.url());
    EXPECT_TRUE(UploadAllInfoNow(*g, messenger, defaultUploaderFactory()));
    EXPECT_EQ(messenger.lines(), std::vector<std::string>{SuccessLine});
    EXPECT_FALSE(std::filesystem::exists(folder / g->TenantListFileName));
    EXPECT_EQ(sim.log().find("op=t"), std::string::npos);
}

TEST_F(UploadAllTest, MissingLoginShowsOnlyTheLoginMessageAndWritesNothing) {
    g->LoginMissing = true;
    EXPECT_FALSE(UploadAllInfoNow(*g, messenger, defaultUploaderFactory()));
    EXPECT_EQ(messenger.lines(),
              std::vector<std::string>{"[Login Message] You must have a valid LOGIN entry in the User Name, Password, "
                                       "and URL. Please correct that and try again."});
    EXPECT_FALSE(std::filesystem::exists(folder / "HX_Pelwin_Setup_HXOR.txt"));
}

TEST_F(UploadAllTest, ErrorsWhileBuildingOrCreatingAreReportedAndNothingIsSent) {
    struct Case {
        const char* name;
        bool emptyCompany;
        bool missingLibrary;
        const char* expectedStart;
    } cases[] = {
        {"component not loadable", false, true, "[Orvanta Error Message] 429 - "},
        {"empty Company table", true, false, "[Orvanta Error Message] 3021 - "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messenger.shown.clear();
        if (c.emptyCompany) sql("DELETE FROM Company");
        SimServer sim;
        logIn(sim.url());
        UploaderFactory factory = c.missingLibrary ? UploaderFactory([this] {
            return std::make_unique<UploaderComponent>(folder / "no-such-libquenta.so");
        })
                                                   : defaultUploaderFactory();
        EXPECT_FALSE(UploadAllInfoNow(*g, messenger, factory));
        ASSERT_EQ(messenger.shown.size(), 1u);
        EXPECT_EQ(messenger.lines()[0].rfind(c.expectedStart, 0), 0u) << messenger.lines()[0];
        EXPECT_FALSE(messenger.busy);
        EXPECT_EQ(sim.log().find("op="), std::string::npos);
    }
}

TEST_F(UploadAllTest, PaymentsThatComeBackWithTheUploadAreKeptForPosting) {
    const std::string first = "P3,U45,T45,1250.00,12/01/2026,1001,12/02/2026,ACH,Rent\n";
    const std::string second = "P3,U46,T46,99.50,12/03/2026,,12/04/2026,ACH,Late Fee\n";
    struct Case {
        const char* name;
        const char* pending;  // nullptr: no payment file pending
        std::string expected;
    } cases[] = {
        {"no pending file", nullptr, second + "\r\n"},
        {"pending file", "", first + second + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messenger.shown.clear();
        logIn();
        std::filesystem::remove(folder / g->PaymentFileName);
        if (c.pending) writeFile(g->PaymentFileName, first + "\r\n");
        givePayments(second);
        SimServer sim({"--payments", paymentsFile()});
        logIn(sim.url());
        EXPECT_TRUE(UploadAllInfoNow(*g, messenger, defaultUploaderFactory()));
        EXPECT_EQ(readFile(g->PaymentFileName), c.expected);
        EXPECT_EQ(messenger.lines(),
                  (std::vector<std::string>{SuccessLine, std::string("[Hestora Orvanta] ") + PaymentsKeptText}));
    }
}

TEST_F(UploadAllTest, AnAnswerWithoutPaymentsWritesNoPaymentFile) {
    logIn();
    for (const char* answer : {"", "no payments today\n", "X1,U1"}) {
        EXPECT_FALSE(KeepFetchedPayments(*g, messenger, answer)) << answer;
        EXPECT_FALSE(std::filesystem::exists(folder / g->PaymentFileName));
    }
    EXPECT_TRUE(messenger.shown.empty());
}

}  // namespace
}  // namespace tp::test
