// BillUpload is the UploadBills operation: every recipient line with code
// "v", then every payment line and every pending-payment line with code "b".
// The answers to "b" lines answered with 200 are collected, unseparated, and
// become Payments when they hold at least one character. Status ends as the
// first status other than 200 that any request got (200 when all got 200); a
// network error ends the operation with Status 9999 and its text in Payments.
// Returns the Result: true when the operation ran to its end.
#pragma once

#include "UploaderState.h"

#include <string>

namespace quenta {

class BillUpload {
public:
    static bool run(UploaderState& state, const std::u16string& recipients,
                    const std::u16string& payments, const std::u16string& pending);
};

} // namespace quenta
