// BillUpload: recipient and bill requests (see BillUpload.h).
#include "BillUpload.h"

#include "Answer.h"
#include "CaughtError.h"
#include "Exchange.h"
#include "LineSplitter.h"
#include "Log.h"

#include <exception>

namespace quenta {
namespace {

void sendBills(Exchange& exchange, const std::u16string& text, std::u16string& answers) {
    for (const DataLine& line : LineSplitter::split(text)) {
        Log::writeLog(Log::maskToken(exchange.lineTarget('b', line.text)));
        const Reply reply = exchange.sendLine('b', line.text);
        if (reply.status == 200) {
            answers += Answer::wholeText(reply.body);
            Log::writeLog("Uploaded Bill ");
        }
    }
}

} // namespace

bool BillUpload::run(UploaderState& state, const std::u16string& recipients,
                     const std::u16string& payments, const std::u16string& pending) {
    bool result = false;
    try {
        Log::writeLog(u"Uploading Bills:" + state.url);
        Exchange exchange(state.url);
        Log::writeLog("Connection opened");
        exchange.makeToken(state.user, state.password);

        for (const DataLine& line : LineSplitter::split(recipients)) {
            const Reply reply = exchange.sendLine('v', line.text);
            if (reply.status == 200) {
                Log::writeLog("Uploaded Vendor ");
                Log::writeLog(u"Result: " + Answer::firstLine(reply.body));
            }
        }
        std::u16string answers;
        sendBills(exchange, payments, answers);
        sendBills(exchange, pending, answers);
        if (!answers.empty()) {
            state.payments = answers;
        }
        state.status = static_cast<int32_t>(exchange.outcomeStatus());
        result = true;
    } catch (const std::exception& error) {
        CaughtError::record(state, error.what());
    }
    Log::writeLog("Upload Bill End");
    return result;
}

} // namespace quenta
