// TenantUpload is the UploadTenants operation: every setup line with code "s",
// every tenant line with code "t", then always the payment request "p", whose
// answer becomes Payments when it is answered with 200. Status ends as the
// first status other than 200 that any request got (200 when all got 200), so
// that rejected lines are not reported as success; a network error ends the
// operation with Status 9999 and its text in Payments. Returns the Result: true
// when the operation ran to its end.
#pragma once

#include "UploaderState.h"

#include <string>

namespace quenta {

class TenantUpload {
public:
    static bool run(UploaderState& state, const std::u16string& setup,
                    const std::u16string& tenant);
};

} // namespace quenta
