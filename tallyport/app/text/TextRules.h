// The text rules every exchange file, criterion and message relies on: trimming, the numeric value
// of a text and its key number, the "is a number" test, and the plain text forms of balances and
// dates. One implementation each, used everywhere.
#pragma once

#include "Money.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tp {

// Removes leading and trailing blanks (spaces only, as the host's Trim does).
std::string trim(std::string_view text);

// The numeric value of a text: blanks, tabs and line feeds anywhere are ignored; the longest
// leading decimal number (optional sign, digits, optional point and digits) counts; a text
// without one is 0. Returned in its shortest plain form: "7", "-35.75", "0".
std::string numericValueText(std::string_view text);
// The same value as an exact amount (more than four decimals round half to even).
Money numericValueMoney(std::string_view text);
// The same value as a whole number, or nothing when it has decimals or does not fit.
std::optional<std::int64_t> numericValueWhole(std::string_view text);

// The key number of a key field such as "P007" or "U12 ": the numeric value of the field without
// its first character, with surrounding blanks removed. Shortest plain form ("7").
std::string keyNumberText(std::string_view keyField);

// After trimming blanks: an optional sign, digits and at most one decimal point, with at least one
// digit.
bool isNumber(std::string_view text);

// A balance as the tenant participant file writes it: 1250, 1250.5, -35.75.
std::string balanceText(Money amount);
// An ISO date (YYYY-MM-DD) in the short form of United States settings: 1/15/2005. An empty date
// gives ""; a text that is no ISO date is returned unchanged.
std::string shortDateText(std::string_view isoDate);

// First n characters (not bytes) of a UTF-8 text.
std::string leftChars(std::string_view text, std::size_t n);

}  // namespace tp
