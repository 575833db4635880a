#include "TenantListFile.h"

#include "ExchangeFields.h"
#include "ExchangeFiles.h"
#include "Globals.h"
#include "HostQueries.h"
#include "Messenger.h"
#include "TextRules.h"

#include <filesystem>

namespace tp {

std::string tenantAction(const ResultSet& row) {
    if (leftChars(trimmedField(row, "TFirstName1"), 6) == "VACANT") return "delete";
    const std::string flag = trimmedField(row, "TACH");
    if (flag == "D") return "delete";
    if (flag == "Y") return "activate";
    return "deactivate";
}

void WriteTenantListFile(Globals& g, Messenger& messenger) {
    if (!LoginCheck(g, messenger)) return;
    BusyPointer busy(messenger);
    ResultSet row = g.database().query(queries::OccupancyInTableOrder);
    std::string text;
    bool wroteRow = false;
    while (row.next()) {
        wroteRow = true;
        const std::string tenantKey = keyField("T", row, "TenantID");
        const std::optional<std::string> balance = row.optionalText("TCurrBal");
        text += trim(g.SiteCode) + "|" + keyField("O", row, "OwnerID") + "|" + keyField("P", row, "PropID") + "|" +
                keyField("U", row, "UTenantID") + "|" + tenantKey + "|" +
                (balance ? balanceText(row.money("TCurrBal")) : std::string()) + "|" +
                shortDateText(row.text("TStartDate")) + "|Rent|" + tenantKey + "|" +
                trimmedField(row, "TFirstName1") + "|" + trimmedField(row, "TLastName1") + "|" +
                trimmedField(row, "UAddress") + "|" + trimmedField(row, "PropCity") + "|" +
                trimmedField(row, "PropState") + "|" + trimmedField(row, "PropZip") + "|" + tenantAction(row) +
                "|\r\n";
    }
    const std::filesystem::path file = g.pathOf(g.TenantListFileName);
    if (wroteRow) {
        writeExchangeFile(file, text);
    } else {
        std::error_code ec;
        std::filesystem::remove(file, ec);
    }
}

}  // namespace tp
