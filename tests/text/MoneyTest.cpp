// Money: parsing plain amount texts (with half-to-even rounding past four decimals), the plain and
// currency text forms, reading REALs, rounding and overflow. Amounts must stay exact: the cases
// below include values a double cannot hold.
#include "AppError.h"
#include "Money.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tp {
namespace {

TEST(Money, ParsesPlainAmountsExactlyAndRoundsFifthDecimalHalfToEven) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> units;
    } cases[] = {
        {"1250", 12500000},       {"-35.75", -357500},     {"+0.5", 5000},       {".25", 2500},
        {"7.", 70000},            {"0.1", 1000},           {"0.00005", 0},       {"0.00015", 2},
        {"0.000051", 1},          {"-0.00025", -2},        {"0.00035", 4},       {"1.23456789", 12346},
        {"", std::nullopt},       {"-", std::nullopt},     {".", std::nullopt},  {"1.2.3", std::nullopt},
        {"1,000", std::nullopt},  {" 12", std::nullopt},   {"1e5", std::nullopt}, {"abc", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<Money> parsed = Money::parse(c.text);
        ASSERT_EQ(parsed.has_value(), c.units.has_value());
        if (c.units) {
            EXPECT_EQ(parsed->units(), *c.units);
        }
    }
}

TEST(Money, PlainTextIsTheShortestForm) {
    struct Case {
        std::int64_t units;
        const char* text;
    } cases[] = {
        {0, "0"},          {12500000, "1250"}, {12505000, "1250.5"}, {-357500, "-35.75"},
        {1, "0.0001"},     {-1, "-0.0001"},    {10, "0.001"},        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
    };
    for (const Case& c : cases) EXPECT_EQ(Money::fromUnits(c.units).toPlainText(), c.text);
}

TEST(Money, CurrencyTextGroupsThousandsAndPutsNegativesInParentheses) {
    struct Case {
        const char* amount;
        const char* text;
    } cases[] = {
        {"0", "$0.00"},           {"75", "$75.00"},          {"-75", "($75.00)"},
        {"1234.5", "$1,234.50"},  {"1234567.891", "$1,234,567.89"}, {"0.125", "$0.12"},
        {"0.135", "$0.14"},       {"-0.005", "$0.00"},       {"999.995", "$1,000.00"},
    };
    for (const Case& c : cases) EXPECT_EQ(Money::parse(c.amount)->toCurrencyText(), c.text) << c.amount;
}

TEST(Money, ReadsRealsRoundedToFourDecimals) {
    EXPECT_EQ(Money::fromReal(0.1 + 0.2).units(), 3000);
    EXPECT_EQ(Money::fromReal(-35.75).units(), -357500);
    EXPECT_EQ(Money::fromReal(1250.00004).units(), 12500000);
    EXPECT_EQ(Money::fromReal(Money::parse("123456.7891")->toReal()).units(), 1234567891);
}

TEST(Money, RoundsHalfToEvenToTheGivenDecimals) {
    EXPECT_EQ(Money::parse("2.5")->roundedTo(0), Money::fromWhole(2));
    EXPECT_EQ(Money::parse("3.5")->roundedTo(0), Money::fromWhole(4));
    EXPECT_EQ(Money::parse("-2.5")->roundedTo(0), Money::fromWhole(-2));
    EXPECT_EQ(Money::parse("1.005")->roundedTo(2), Money::parse("1.00"));
    EXPECT_EQ(Money::parse("1.015")->roundedTo(2), Money::parse("1.02"));
    EXPECT_EQ(Money::parse("1.2345")->roundedTo(4), Money::parse("1.2345"));
}

TEST(Money, OverflowIsAnErrorNotAWrappedAmount) {
    Money big = Money::fromUnits(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(big + Money::fromUnits(1), AppError);
    EXPECT_THROW(-big - Money::fromUnits(2), AppError);
    EXPECT_THROW(Money::fromReal(1e300), AppError);
    EXPECT_EQ((Money::fromWhole(5) - Money::parse("0.25").value()).toPlainText(), "4.75");
}

}  // namespace
}  // namespace tp
