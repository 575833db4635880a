#include "ExchangeFields.h"

#include "ResultSet.h"
#include "TextRules.h"

namespace tp {

std::string trimmedField(const ResultSet& row, std::string_view field) { return trim(row.text(field)); }

std::string keyField(std::string_view prefix, const ResultSet& row, std::string_view field) {
    return std::string(prefix) + row.text(field);
}

std::string nameRule(const ResultSet& row, std::string_view firstField, std::string_view lastField) {
    std::string first = trimmedField(row, firstField);
    std::string last = trimmedField(row, lastField);
    return first.empty() ? last : first + " " + last;
}

std::string streetRule(const ResultSet& row, std::string_view line1Field, std::string_view line2Field,
                       std::string_view joiner) {
    std::string line1 = trimmedField(row, line1Field);
    std::string line2 = trimmedField(row, line2Field);
    return line2.empty() ? line1 : line1 + std::string(joiner) + line2;
}

}  // namespace tp
