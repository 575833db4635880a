#include "TextRules.h"

#include "AppError.h"
#include "Windows1252.h"

#include <cstdlib>

namespace tp {
namespace {

// The leading decimal number of a text, with blanks, tabs and line feeds removed: sign, the
// integer digits and the fraction digits, exactly as written.
struct LeadingNumber {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

LeadingNumber leadingNumber(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') packed += c;
    LeadingNumber n;
    std::size_t i = 0;
    if (i < packed.size() && (packed[i] == '+' || packed[i] == '-')) n.negative = packed[i++] == '-';
    while (i < packed.size() && packed[i] >= '0' && packed[i] <= '9') n.whole += packed[i++];
    if (i < packed.size() && packed[i] == '.') {
        ++i;
        while (i < packed.size() && packed[i] >= '0' && packed[i] <= '9') n.fraction += packed[i++];
    }
    // Shortest plain form: no leading zeros, no trailing fraction zeros, no "-0".
    std::size_t firstNonZero = n.whole.find_first_not_of('0');
    n.whole = firstNonZero == std::string::npos ? "" : n.whole.substr(firstNonZero);
    while (!n.fraction.empty() && n.fraction.back() == '0') n.fraction.pop_back();
    if (n.whole.empty() && n.fraction.empty()) n.negative = false;
    return n;
}

}  // namespace

std::string trim(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

std::string numericValueText(std::string_view text) {
    LeadingNumber n = leadingNumber(text);
    std::string out = n.negative ? "-" : "";
    out += n.whole.empty() ? "0" : n.whole;
    if (!n.fraction.empty()) out += "." + n.fraction;
    return out;
}

Money numericValueMoney(std::string_view text) {
    std::string value = numericValueText(text);
    if (auto money = Money::parse(value)) return *money;
    throw AppError(6, "Overflow");
}

std::optional<std::int64_t> numericValueWhole(std::string_view text) {
    LeadingNumber n = leadingNumber(text);
    if (!n.fraction.empty() || n.whole.size() > 18) return std::nullopt;
    std::int64_t value = n.whole.empty() ? 0 : std::strtoll(n.whole.c_str(), nullptr, 10);
    return n.negative ? -value : value;
}

std::string keyNumberText(std::string_view keyField) {
    std::string trimmed = trim(keyField);
    return numericValueText(trimmed.empty() ? std::string_view{} : std::string_view(trimmed).substr(1));
}

bool isNumber(std::string_view text) {
    std::string t = trim(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int digits = 0, points = 0;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') ++digits;
        else if (t[i] == '.' && points == 0) ++points;
        else return false;
    }
    return digits > 0;
}

std::string balanceText(Money amount) { return amount.toPlainText(); }

std::string shortDateText(std::string_view iso) {
    if (iso.empty()) return {};
    auto digitsAt = [&](std::size_t from, std::size_t count) {
        for (std::size_t i = from; i < from + count; ++i)
            if (i >= iso.size() || iso[i] < '0' || iso[i] > '9') return false;
        return true;
    };
    if (iso.size() < 10 || !digitsAt(0, 4) || iso[4] != '-' || !digitsAt(5, 2) || iso[7] != '-' ||
        !digitsAt(8, 2))
        return std::string(iso);
    int month = std::atoi(std::string(iso.substr(5, 2)).c_str());
    int day = std::atoi(std::string(iso.substr(8, 2)).c_str());
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::string(iso.substr(0, 4));
}

std::string leftChars(std::string_view text, std::size_t n) {
    std::u32string chars = cp1252::decodeUtf8(text);
    if (chars.size() > n) chars.resize(n);
    return cp1252::encodeUtf8(chars);
}

}  // namespace tp
