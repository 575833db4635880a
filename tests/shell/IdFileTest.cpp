// LoadIDFile: lines 9, 10 and 15 to 18 (counted from 0) become the six account defaults, a line
// ends at LF or CR LF without the break being part of the value, a value whose line the file
// lacks keeps its previous content, and a missing file is error 53.
#include "AppError.h"
#include "IdFile.h"
#include "ProgramFolderFixture.h"

#include <gtest/gtest.h>

namespace tp::test {
namespace {

class IdFileTest : public ProgramFolderFixture {
protected:
    // Lines "line 0" to "line <count - 1>", each followed by `end` (the last one too when `endLast`).
    std::string idText(int count, const std::string& end, bool endLast = true) {
        std::string text;
        for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + (i + 1 < count || endLast ? end : "");
        return text;
    }
    std::vector<std::string> defaults() const {
        return {g->RentIncomeDefault, g->RentRemarkDefault,    g->MgmtFeeDefault,
                g->MgmtFeeRemarkDefault, g->LateFeeDefault,   g->LateFeeRemarkDefault};
    }
};

TEST_F(IdFileTest, KeepsTheSixDefaultLinesWithEitherLineEnd) {
    const std::vector<std::string> expected = {"line 9", "line 10", "line 15", "line 16", "line 17", "line 18"};
    for (const char* end : {"\n", "\r\n"}) {
        SCOPED_TRACE(end[0] == '\r' ? "CR LF" : "LF");
        writeFile(IdFileName, idText(25, end));
        LoadIDFile(*g);
        EXPECT_EQ(defaults(), expected);
    }
    writeFile(IdFileName, idText(19, "\r\n", false));  // the last line has no break
    LoadIDFile(*g);
    EXPECT_EQ(defaults(), expected);
}

TEST_F(IdFileTest, AShortFileLeavesTheMissingLinesAsTheyWere) {
    g->LateFeeDefault = "kept";
    writeFile(IdFileName, idText(12, "\r\n"));
    LoadIDFile(*g);
    EXPECT_EQ(defaults(), (std::vector<std::string>{"line 9", "line 10", "", "", "kept", ""}));
}

TEST_F(IdFileTest, KeepsLinesExactlyAndReadsWindows1252) {
    std::string text;
    for (int i = 0; i < 9; ++i) text += "\r\n";
    text += "Rent Income;I 4000 \r\n";                       // line 9, trailing blank kept
    text += "MONTH rent \xE9t\xE9\r\n";                      // line 10, Windows-1252 e acute
    writeFile(IdFileName, text);
    LoadIDFile(*g);
    EXPECT_EQ(g->RentIncomeDefault, "Rent Income;I 4000 ");
    EXPECT_EQ(g->RentRemarkDefault, "MONTH rent \xC3\xA9t\xC3\xA9");
}

TEST_F(IdFileTest, MissingFileIsError53) {
    try {
        LoadIDFile(*g);
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 53);
    }
}

}  // namespace
}  // namespace tp::test
