// UploaderState holds the properties of one Uploader object, in the order the
// interface defines them, with their values after construction. The operations
// read URL, User and Password and write Status and Payments.
#pragma once

#include <cstdint>
#include <string>

namespace quenta {

struct UploaderState {
    std::u16string url;
    std::u16string password;
    std::u16string user;
    int32_t status = 0;
    std::u16string payments;
    std::u16string date;
    std::u16string operation = u"upload";
};

} // namespace quenta
