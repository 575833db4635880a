#include "FetchedPayments.h"

#include "ExchangeFiles.h"
#include "Globals.h"
#include "Messenger.h"

namespace tp {

bool holdsPayments(const std::string& answer) {
    return answer.size() >= 2 && answer[0] == 'P' && answer[1] >= '0' && answer[1] <= '9';
}

bool KeepFetchedPayments(Globals& g, Messenger& messenger, const std::string& answer) {
    if (!holdsPayments(answer)) return false;
    const std::filesystem::path file = g.pathOf(g.PaymentFileName);
    std::string records;
    if (fileExists(file)) {
        records = ReadExchangeFile(g, g.PaymentFileName);
        if (records.size() >= 2 && records.compare(records.size() - 2, 2, "\r\n") == 0)
            records.resize(records.size() - 2);
        if (!records.empty() && records.back() != '\n') records += '\n';
    }
    writeExchangeFile(file, records + answer + "\r\n");
    messenger.message(PaymentsKeptText, "Hestora Orvanta", MessageIcon::Information);
    return true;
}

}  // namespace tp
