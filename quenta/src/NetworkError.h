// NetworkError is what the transport throws when a request cannot be made or
// answered (URL unusable, host not found, connection refused, time-out, broken
// connection, certificate refused). The operations catch it and turn its text
// into Payments and Status 9999.
#pragma once

#include <stdexcept>
#include <string>

namespace quenta {

class NetworkError : public std::runtime_error {
public:
    explicit NetworkError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quenta
