// "Upload All Info NOW": after the login check, the setup file and the tenant participant file are
// built from the host database, read back whole and sent to the service in one operation; the
// outcome is kept in LastResult and LastStatus and reported. Payments the operation fetched are
// kept for posting. Errors are reported and leave the program usable.
#pragma once

#include "UploaderComponent.h"

namespace tp {

struct Globals;
class Messenger;

// The login check and both files; false when the login check refused. Errors propagate.
bool BuildUploadAllFiles(Globals& g, Messenger& messenger);

// The whole command; true when the service answered the upload with success.
bool UploadAllInfoNow(Globals& g, Messenger& messenger, const UploaderFactory& makeUploader);

}  // namespace tp
