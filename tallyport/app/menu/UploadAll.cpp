#include "UploadAll.h"

#include "AppError.h"
#include "ExchangeFiles.h"
#include "FetchedPayments.h"
#include "Globals.h"
#include "Messenger.h"
#include "ServiceResult.h"
#include "SetupFile.h"
#include "TenantListFile.h"

namespace tp {

bool BuildUploadAllFiles(Globals& g, Messenger& messenger) {
    if (!LoginCheck(g, messenger)) return false;
    WriteSetupFile(g, messenger);
    WriteTenantListFile(g, messenger);
    return true;
}

bool UploadAllInfoNow(Globals& g, Messenger& messenger, const UploaderFactory& makeUploader) {
    try {
        if (!BuildUploadAllFiles(g, messenger)) return false;
        BusyPointer busy(messenger);
        std::unique_ptr<UploaderComponent> uploader = makeUploader();
        uploader->setURL(g.ServiceURL);
        uploader->setUser(g.ServiceUser);
        uploader->setPassword(g.ServicePassword);
        const std::string setup = ReadExchangeFile(g, g.SetupFileName);
        // With no occupied unit there is no tenant file: the upload then sends no tenant line.
        const std::string tenant =
            fileExists(g.pathOf(g.TenantListFileName)) ? ReadExchangeFile(g, g.TenantListFileName) : std::string();
        const bool result = uploader->uploadTenants(setup, tenant);
        g.LastResult = resultText(result);
        busy.restore();
        g.LastStatus = static_cast<std::int16_t>(uploader->status());
        ReportServiceResult(g, messenger, g.LastStatus);
        if (result) KeepFetchedPayments(g, messenger, uploader->payments());
        return result && g.LastStatus == 200;
    } catch (const AppError& e) {
        reportError(messenger, e);
        return false;
    }
}

}  // namespace tp
