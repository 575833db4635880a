// FieldValue: one value read from or written to a host table: absent (NULL), a whole number, a
// REAL or a text. Money and dates are converted at the edges (Money as REAL, dates as ISO text).
#pragma once

#include "Money.h"

#include <cstdint>
#include <string>
#include <variant>

namespace tp {

using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string>;

inline FieldValue nullValue() { return std::monostate{}; }
inline FieldValue moneyValue(Money amount) { return amount.toReal(); }

}  // namespace tp
