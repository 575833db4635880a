// Money: an exact amount of currency, held as a 64-bit count of ten-thousandths (four decimals,
// as the host database keeps currency). Amounts never pass through a double except when a REAL
// column is read or written, and then they are rounded to four decimals, half to even.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tp {

class Money {
public:
    static constexpr std::int64_t UnitsPerWhole = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { return Money(units); }
    static constexpr Money fromWhole(std::int64_t whole) { return Money(whole * UnitsPerWhole); }
    // A REAL read from the database, rounded to four decimals half to even.
    static Money fromReal(double value);
    // "1250", "-35.75", "+0.5", ".25": an optional sign, digits and at most one decimal point.
    // More than four decimals round half to even. Anything else gives nothing.
    static std::optional<Money> parse(std::string_view text);

    constexpr std::int64_t units() const { return units_; }
    double toReal() const;

    // Shortest plain form: 1250, 1250.5, -35.75 (no currency sign, no separators).
    std::string toPlainText() const;
    // The "Currency" format: $1,250.00, with negatives in parentheses ($75.00).
    std::string toCurrencyText() const;

    // Rounded to the given number of decimals (0 to 4), half to even.
    Money roundedTo(int decimals) const;
    Money abs() const { return Money(units_ < 0 ? -units_ : units_); }

    constexpr auto operator<=>(const Money&) const = default;
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const { return Money(-units_); }
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }

private:
    constexpr explicit Money(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

}  // namespace tp
