// CaughtError is what an operation does with an error that stopped it: the
// error's text (at most 4096 characters) goes into Payments and into the log
// after "EXCEPTION:", and Status becomes 9999.
#pragma once

#include "UploaderState.h"

#include <string_view>

namespace quenta {

class CaughtError {
public:
    static constexpr int32_t kStatus = 9999;
    static constexpr std::size_t kMaximumLength = 4096;
    static void record(UploaderState& state, std::string_view message);
};

} // namespace quenta
