// Guids compares the component's identifiers.
#pragma once

#include "quenta.h"

#include <cstring>

namespace quenta {

inline bool sameGuid(const QuentaGuid& a, const QuentaGuid& b) {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
}

} // namespace quenta
