// "Upload All Info NOW": after the login check, the setup file and the tenant participant file are
// built from the host database and their texts are sent to the service in one operation.
#pragma once

namespace tp {

struct Globals;
class Messenger;

// The login check and both files; false when the login check refused. Errors propagate.
bool BuildUploadAllFiles(Globals& g, Messenger& messenger);

}  // namespace tp
