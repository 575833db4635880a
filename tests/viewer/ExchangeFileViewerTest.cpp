// The exchange file viewer without its screen: its nine entries, showing a file's lines, the
// "does not exist" and "no data" messages, a choice whose file name was never derived, and
// deleting the chosen file after the question.
#include "ExchangeFileViewer.h"
#include "ProgramFolderFixture.h"

namespace tp::test {
namespace {

const std::string NotThere = "[Orvanta Notice] The file you chose does not exist in the Hestora folder";

class ExchangeFileViewerTest : public ProgramFolderFixture {
protected:
    ExchangeFileViewer& viewer() {
        if (!viewer_) viewer_ = std::make_unique<ExchangeFileViewer>(*g, messenger);
        return *viewer_;
    }
    std::unique_ptr<ExchangeFileViewer> viewer_;
};

TEST_F(ExchangeFileViewerTest, ListsTheNineFilesWithTheirDescriptions) {
    logIn();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"HX_Pelwin_Setup_HXOR.txt - This is the SETUP data (all Hestora info) uploaded to the payment processor.",
         "HX_Pelwin_Setup_HXOR.txt"},
        {"HX_Pelwin_Tenant_HXOR.txt - These are the Orvanta TENANTS uploaded to the payment processor.",
         "HX_Pelwin_Tenant_HXOR.txt"},
        {"HX_Pelwin_Owner_HXOR.txt - These are the Orvanta OWNERS uploaded to the payment processor.",
         "HX_Pelwin_Owner_HXOR.txt"},
        {"HX_Pelwin_Vendor_HXOR.txt - These are the Orvanta VENDORS uploaded to the payment processor.",
         "HX_Pelwin_Vendor_HXOR.txt"},
        {"HX_Pelwin_PaymentFile.txt - These are the CURRENT (not yet processed )TENANT PAYMENTS downloaded from the "
         "payment processor.",
         "HX_Pelwin_PaymentFile.txt"},
        {"HX_Pelwin_PaymentFile_LastDownload - These are the PREVIOUS TENANT PAYMENTS downloaded from the payment "
         "processor.",
         "HX_Pelwin_PaymentFile_LastDownload.txt"},
        {"HX_Pelwin_DisbursementPayment.txt - These are the OWNER and VENDOR PAYMENTS uploaded to the payment "
         "processor.",
         "HX_Pelwin_DisbursementPayment.txt"},
        {"HX_Pelwin_Distribution_LastUpload - These are the PREVIOUS OWNER and VENDOR PAYMENTS uploaded to the "
         "payment processor.",
         "HX_Pelwin_Distribution_LastUpload.txt"},
        {"HX_Pelwin_Distribution_Response - These are the responses for the OWNER and VENDOR PAYMENTS returned from "
         "the payment processor.",
         "HX_Pelwin_Distribution_Response.txt"},
    };
    const auto entries = viewer().entries();
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].caption, expected[i].first);
        EXPECT_EQ(entries[i].openedName, expected[i].second);
    }
}

TEST_F(ExchangeFileViewerTest, ShowsEveryLineWithAnEmptyLastEntryAfterTheFinalLineBreak) {
    logIn();
    writeFile("HX_Pelwin_PaymentFile_LastDownload.txt", "A\r\nB\xe9\r\n");
    EXPECT_EQ(viewer().choose(5), (std::vector<std::string>{"A\r", "B\u00e9\r", ""}));
    EXPECT_EQ(viewer().chosenFileName(), "HX_Pelwin_PaymentFile_LastDownload.txt");
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(ExchangeFileViewerTest, MissingEmptyAndNeverNamedFilesShowTheirMessages) {
    struct Case {
        const char* name;
        bool namesDerived;
        const char* content;  // nullptr: no file
        std::string expected;
    } cases[] = {
        {"name never derived", false, nullptr, NotThere},
        {"missing file", true, nullptr, NotThere},
        {"empty file", true, "", "[Hestora Orvanta] There is no data in this file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messenger.shown.clear();
        viewer_.reset();
        if (c.namesDerived) logIn();
        if (c.content) writeFile(g->SetupFileName, c.content);
        EXPECT_TRUE(viewer().choose(0).empty());
        EXPECT_EQ(messenger.lines(), std::vector<std::string>{c.expected});
    }
}

TEST_F(ExchangeFileViewerTest, DeleteWithoutAChosenFileAsksNothingAndDeletesNothing) {
    writeFile("keep.txt", "x");
    EXPECT_FALSE(viewer().deleteChosen());  // nothing chosen yet: the name is empty
    viewer().choose(0);                     // names never derived: the name is empty too
    EXPECT_FALSE(viewer().deleteChosen());
    EXPECT_EQ(messenger.lines(), std::vector<std::string>(3, NotThere));
    EXPECT_TRUE(std::filesystem::exists(folder / "keep.txt"));
}

TEST_F(ExchangeFileViewerTest, DeletesTheChosenFileOnlyAfterYes) {
    logIn();
    writeFile(g->SetupFileName, "line\r\n");
    viewer().choose(0);

    messenger.answerNext(Answer::No);
    EXPECT_FALSE(viewer().deleteChosen());
    EXPECT_TRUE(std::filesystem::exists(folder / g->SetupFileName));
    EXPECT_EQ(g->LastAnswer, 7);

    messenger.answerNext(Answer::Yes);
    EXPECT_TRUE(viewer().deleteChosen());
    EXPECT_FALSE(std::filesystem::exists(folder / g->SetupFileName));
    EXPECT_EQ(g->LastAnswer, 6);

    const std::string question =
        "[Delete File] Are you SURE you want to delete the file: HX_Pelwin_Setup_HXOR.txt?";
    EXPECT_EQ(messenger.lines(),
              (std::vector<std::string>{question, question, "[Delete File] File Deleted!"}));
    EXPECT_EQ(messenger.shown[0].icon, MessageIcon::None);

    messenger.shown.clear();
    EXPECT_TRUE(viewer().choose(0).empty());
    EXPECT_EQ(messenger.lines(), std::vector<std::string>{NotThere});
}

}  // namespace
}  // namespace tp::test
