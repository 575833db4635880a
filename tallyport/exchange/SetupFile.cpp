#include "SetupFile.h"

#include "AppError.h"
#include "ExchangeFields.h"
#include "ExchangeFiles.h"
#include "Globals.h"
#include "HostQueries.h"
#include "Messenger.h"
#include "TextRules.h"

namespace tp {

void WriteSetupFile(Globals& g, Messenger& messenger) {
    BusyPointer busy(messenger);
    ResultSet company = g.database().query(queries::CompanyFirstRow);
    if (!company.next())
        throw AppError(err::NoCurrentRecord,
                       "No current record: the Company table is empty. Enter the company's name and contact "
                       "details in Hestora, then try again.");
    const std::string site = trim(g.SiteCode);
    // The company's six values are the same on every line.
    const std::string companyFields = trimmedField(company, "CName1") + "|" + trimmedField(company, "CEmail1") +
                                      "|" + trimmedField(company, "CEmail1") + "|" +
                                      trimmedField(company, "CPhone1") + "|" + trimmedField(company, "CPhone2");

    ResultSet row = g.database().query(queries::OccupancyByOwner);
    std::string text;
    while (row.next()) {
        const std::string city = trimmedField(row, "PropCity");
        const std::string state = trimmedField(row, "PropState");
        const std::string zip = trimmedField(row, "PropZip");
        text += site + "|" + keyField("O", row, "OwnerID") + "|" + nameRule(row, "OFirstName1", "OLastName1") +
                "|" + keyField("P", row, "PropID") + "|" + trimmedField(row, "PropName") + "|" + companyFields +
                "|" + streetRule(row, "PropAddress1", "PropAddress2", " ") + "|" + city + "|" + state + "|" +
                zip + "|" + keyField("U", row, "UTenantID") + "|" + trimmedField(row, "UAddress") + "|" + city +
                "|" + state + "|" + zip + "\r\n";
    }
    writeExchangeFile(g.pathOf(g.SetupFileName), text);
}

}  // namespace tp
