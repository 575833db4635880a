// Exchange is the context of one operation with the service: it splits the
// URL, opens the transport, makes the token once and builds each request. The
// parameter text is "op=" + code + "&data=" + Base64 of the line + "&token=" +
// token (the payment request carries no data). It goes out unescaped as the
// body and, after "/integration/upload.php?", as the request target, where CR
// and LF (which cannot travel in a request line) become %0D and %0A. Exchange
// also keeps the operation's outcome status: the first status other than 200
// that any of its requests received, or 200 when all got 200.
#pragma once

#include "Transport.h"
#include "UrlSplitter.h"

#include <memory>
#include <string>
#include <string_view>

namespace quenta {

class Exchange {
public:
    static constexpr const char* kScriptPath = "/integration/upload.php";

    // Splits the URL and opens the connection; throws NetworkError.
    explicit Exchange(const std::u16string& url);

    void makeToken(std::u16string_view user, std::u16string_view password);

    // The target as it goes on the wire, for a line and operation code.
    std::string lineTarget(char code, std::u16string_view line) const;
    Reply sendLine(char code, std::u16string_view line);
    Reply sendPaymentRequest();

    // 200 when every request so far got 200, else the first other status.
    long outcomeStatus() const { return firstRejection_ == 0 ? 200 : firstRejection_; }

    static std::string wireTarget(std::string_view parameterText);

private:
    std::string lineParameters(char code, std::u16string_view line) const;
    Reply send(const std::string& parameterText);

    SplitUrl url_;
    std::unique_ptr<Transport> transport_;
    std::string token_;
    long firstRejection_ = 0;
};

} // namespace quenta
