// The shared text rules: Trim, the numeric value of a text (blanks anywhere ignored, the longest
// leading decimal number, 0 without one, shortest plain form), the key number of a key field, the
// "is a number" test, and the balance and short date forms of the participant files.
#include "Money.h"
#include "TextRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tp {
namespace {

TEST(TextRules, TrimRemovesBlanksOnlyAtTheEnds) {
    EXPECT_EQ(trim("  Ann  "), "Ann");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim(" a b "), "a b");
    EXPECT_EQ(trim("\tAnn\t"), "\tAnn\t");  // only blanks are trimmed
}

TEST(TextRules, NumericValueTakesTheLongestLeadingNumber) {
    struct Case {
        const char* text;
        const char* value;
    } cases[] = {
        {"7", "7"},          {"007", "7"},          {"-35.750", "-35.75"}, {"+12", "12"},
        {" 1 2 3 ", "123"},  {"\t4\n5", "45"},      {"12abc", "12"},       {"abc", "0"},
        {"", "0"},           {"-", "0"},            {"-0", "0"},           {"-0.00", "0"},
        {".5", "0.5"},       {"5.", "5"},           {"1.5.3", "1.5"},      {"1e5", "1"},
        {"- 4 . 2 5", "-4.25"}, {"1,000", "1"},     {"$5", "0"},           {"00.0100", "0.01"},
    };
    for (const Case& c : cases) EXPECT_EQ(numericValueText(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextRules, NumericValueAsMoneyAndAsWholeNumber) {
    EXPECT_EQ(numericValueMoney(" -35.75 x"), Money::parse("-35.75"));
    EXPECT_EQ(numericValueMoney("abc"), Money());
    EXPECT_EQ(numericValueMoney("1.00005"), Money::parse("1"));  // half to even at four decimals
    EXPECT_EQ(numericValueWhole("0012"), std::optional<std::int64_t>(12));
    EXPECT_EQ(numericValueWhole("12.0"), std::optional<std::int64_t>(12));
    EXPECT_EQ(numericValueWhole("-3x"), std::optional<std::int64_t>(-3));
    EXPECT_EQ(numericValueWhole("x"), std::optional<std::int64_t>(0));
    EXPECT_EQ(numericValueWhole("12.5"), std::nullopt);
    EXPECT_EQ(numericValueWhole("1234567890123456789012"), std::nullopt);
}

TEST(TextRules, KeyNumberDropsTheLetterAndSurroundingBlanks) {
    struct Case {
        const char* field;
        const char* number;
    } cases[] = {
        {"P007", "7"}, {" U12 ", "12"}, {"T45", "45"}, {"P 1 2", "12"}, {"P-3", "-3"},
        {"P", "0"},    {"", "0"},       {"   ", "0"},  {"PX1", "0"},    {"12", "2"},
    };
    for (const Case& c : cases) EXPECT_EQ(keyNumberText(c.field), c.number) << '"' << c.field << '"';
}

TEST(TextRules, IsNumberNeedsDigitsAndAtMostOnePoint) {
    struct Case {
        const char* text;
        bool number;
    } cases[] = {
        {"12", true},   {" 12 ", true},  {"-1.5", true},  {"+.5", true},   {"1.", true},
        {"000", true},  {"", false},     {" ", false},    {".", false},    {"-", false},
        {"1.2.3", false}, {"1 2", false}, {"12a", false}, {"1e5", false},  {"\t1", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(TextRules, BalanceAndShortDateTextForms) {
    EXPECT_EQ(balanceText(*Money::parse("1250")), "1250");
    EXPECT_EQ(balanceText(*Money::parse("1250.50")), "1250.5");
    EXPECT_EQ(balanceText(*Money::parse("-35.75")), "-35.75");
    EXPECT_EQ(balanceText(Money()), "0");

    struct Case {
        const char* iso;
        const char* shortDate;
    } dates[] = {
        {"2005-01-15", "1/15/2005"}, {"2004-03-01", "3/1/2004"}, {"1999-12-31", "12/31/1999"},
        {"", ""},                    {"3/1/2004", "3/1/2004"},   {"2004-3-1", "2004-3-1"},
    };
    for (const Case& c : dates) EXPECT_EQ(shortDateText(c.iso), c.shortDate) << c.iso;
}

TEST(TextRules, LeftCountsCharactersNotBytes) {
    EXPECT_EQ(leftChars("\xC3\x89" "COLE", 2), "\xC3\x89" "C");
    EXPECT_EQ(leftChars("VACANT UNIT", 6), "VACANT");
    EXPECT_EQ(leftChars("Ann", 6), "Ann");
}

}  // namespace
}  // namespace tp
