#include "UploadAll.h"

#include "Globals.h"
#include "SetupFile.h"
#include "TenantListFile.h"

namespace tp {

bool BuildUploadAllFiles(Globals& g, Messenger& messenger) {
    if (!LoginCheck(g, messenger)) return false;
    WriteSetupFile(g, messenger);
    WriteTenantListFile(g, messenger);
    return true;
}

}  // namespace tp
