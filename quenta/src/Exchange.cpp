// Exchange: requests of one operation (see Exchange.h).
#include "Exchange.h"

#include "Base64Text.h"
#include "Windows1252.h"

namespace quenta {

Exchange::Exchange(const std::u16string& url)
    : url_(UrlSplitter::split(Windows1252::fromUtf16(url))),
      transport_(std::make_unique<Transport>(url_)) {}

void Exchange::makeToken(std::u16string_view user, std::u16string_view password) {
    token_ = Base64Text::makeToken(user, password);
}

std::string Exchange::lineParameters(char code, std::u16string_view line) const {
    std::string text = "op=";
    text.push_back(code);
    text += "&data=";
    text += Base64Text::encodeText(line);
    text += "&token=";
    text += token_;
    return text;
}

std::string Exchange::wireTarget(std::string_view parameterText) {
    std::string target = kScriptPath;
    target.push_back('?');
    for (char c : parameterText) {
        if (c == '\r') {
            target += "%0D";
        } else if (c == '\n') {
            target += "%0A";
        } else {
            target.push_back(c);
        }
    }
    return target;
}

std::string Exchange::lineTarget(char code, std::u16string_view line) const {
    return wireTarget(lineParameters(code, line));
}

Reply Exchange::send(const std::string& parameterText) {
    Reply reply = transport_->send(wireTarget(parameterText), parameterText);
    if (reply.status != 200 && firstRejection_ == 0) {
        firstRejection_ = reply.status;
    }
    return reply;
}

Reply Exchange::sendLine(char code, std::u16string_view line) {
    return send(lineParameters(code, line));
}

Reply Exchange::sendPaymentRequest() { return send("op=p&token=" + token_); }

} // namespace quenta
