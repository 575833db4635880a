// The value rules the exchange files share: trimmed texts (absent reads as empty), service keys
// (a prefix letter and the identifier as plain digits), the name rule and the street rule.
#pragma once

#include <string>
#include <string_view>

namespace tp {

class ResultSet;

// Trim of the field's text; an absent value gives "".
std::string trimmedField(const ResultSet& row, std::string_view field);
// The prefix followed directly by the identifier as plain decimal text ("O12"); absent gives "O".
std::string keyField(std::string_view prefix, const ResultSet& row, std::string_view field);
// Trimmed first name, one blank, trimmed last name; the last name alone when the first is empty.
std::string nameRule(const ResultSet& row, std::string_view firstField, std::string_view lastField);
// Trimmed first address line, the joiner, trimmed second line; the first alone when the second is
// empty.
std::string streetRule(const ResultSet& row, std::string_view line1Field, std::string_view line2Field,
                       std::string_view joiner);

}  // namespace tp
