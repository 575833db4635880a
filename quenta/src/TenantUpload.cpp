// TenantUpload: setup, tenant and payment requests (see TenantUpload.h).
#include "TenantUpload.h"

#include "Answer.h"
#include "CaughtError.h"
#include "Exchange.h"
#include "LineSplitter.h"
#include "Log.h"

#include <exception>

namespace quenta {

bool TenantUpload::run(UploaderState& state, const std::u16string& setup,
                       const std::u16string& tenant) {
    bool result = false;
    try {
        Log::writeLog(u"Uploading Tenants:" + state.url);
        Exchange exchange(state.url);
        Log::writeLog("Connection opened");
        exchange.makeToken(state.user, state.password);

        for (const DataLine& line : LineSplitter::split(setup)) {
            const Reply reply = exchange.sendLine('s', line.text);
            if (reply.status == 200) {
                Log::writeLog("Uploaded Setup line " + std::to_string(line.index));
                Log::writeLog(u"Result: " + Answer::firstLine(reply.body));
            }
        }
        for (const DataLine& line : LineSplitter::split(tenant)) {
            const Reply reply = exchange.sendLine('t', line.text);
            if (reply.status == 200) {
                Log::writeLog("Uploaded Tenant");
                Log::writeLog(u"Result: " + Answer::firstLine(reply.body));
            }
        }
        const Reply payments = exchange.sendPaymentRequest();
        if (payments.status == 200) {
            state.payments = Answer::wholeText(payments.body);
            Log::writeLog(u"Received Data:\n" + state.payments + u"\n");
        }
        state.status = static_cast<int32_t>(exchange.outcomeStatus());
        result = true;
    } catch (const std::exception& error) {
        CaughtError::record(state, error.what());
    }
    Log::writeLog("Upload Tenants End");
    return result;
}

} // namespace quenta
