#include "Money.h"

#include "AppError.h"

#include <cmath>
#include <limits>

namespace tp {
namespace {

constexpr int OverflowError = 6;
__extension__ typedef __int128 Wide;

// Divides by 10^drop, rounding half to even.
std::int64_t roundHalfEven(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    std::int64_t remainder = value % divisor;
    std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        quotient += value < 0 ? -1 : 1;
    return quotient;
}

}  // namespace

Money Money::fromReal(double value) {
    double scaled = std::nearbyint(value * UnitsPerWhole);  // default rounding: half to even
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.2e18)
        throw AppError(OverflowError, "Overflow");
    return Money(static_cast<std::int64_t>(scaled));
}

std::optional<Money> Money::parse(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    Wide units = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    int lastDropped = -1;  // digits past the fourth decimal decide the rounding
    bool droppedNonZeroAfterFirst = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.') {
            if (point) return std::nullopt;
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        ++digits;
        if (point && decimals == 4) {
            if (lastDropped < 0) lastDropped = c - '0';
            else if (c != '0') droppedNonZeroAfterFirst = true;
            continue;
        }
        units = units * 10 + (c - '0');
        if (point) ++decimals;
        if (units > std::numeric_limits<std::int64_t>::max()) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    for (; decimals < 4; ++decimals) units *= 10;
    if (lastDropped > 5 || (lastDropped == 5 && (droppedNonZeroAfterFirst || units % 2 != 0)))
        units += 1;
    if (units > std::numeric_limits<std::int64_t>::max()) return std::nullopt;
    auto value = static_cast<std::int64_t>(units);
    return Money(negative ? -value : value);
}

double Money::toReal() const { return static_cast<double>(units_) / UnitsPerWhole; }

std::string Money::toPlainText() const {
    std::uint64_t magnitude = units_ < 0 ? 0 - static_cast<std::uint64_t>(units_)
                                         : static_cast<std::uint64_t>(units_);
    std::string text = std::to_string(magnitude / UnitsPerWhole);
    std::string fraction = std::to_string(magnitude % UnitsPerWhole);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return units_ < 0 ? "-" + text : text;
}

std::string Money::toCurrencyText() const {
    std::int64_t cents = roundHalfEven(units_, 100);
    std::uint64_t magnitude = cents < 0 ? 0 - static_cast<std::uint64_t>(cents)
                                        : static_cast<std::uint64_t>(cents);
    std::string whole = std::to_string(magnitude / 100);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3) whole.insert(at, ",");
    std::string centText = std::to_string(magnitude % 100);
    if (centText.size() < 2) centText.insert(0, "0");
    std::string text = "$" + whole + "." + centText;
    return cents < 0 ? "(" + text + ")" : text;
}

Money Money::roundedTo(int decimals) const {
    std::int64_t divisor = 1;
    for (int d = decimals; d < 4; ++d) divisor *= 10;
    return Money(roundHalfEven(units_, divisor) * divisor);
}

Money Money::operator+(Money other) const {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum)) throw AppError(OverflowError, "Overflow");
    return Money(sum);
}

Money Money::operator-(Money other) const {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(units_, other.units_, &difference))
        throw AppError(OverflowError, "Overflow");
    return Money(difference);
}

}  // namespace tp
