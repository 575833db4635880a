// WriteSetupFile: the setup file, one line per occupied unit with its owner, property, the
// managing company's contact details and the unit: 19 fields joined by "|", CR LF after every
// line, by owner, property and unit. It is written atomically; a portfolio without occupied units
// gives a file of 0 bytes. An empty Company table is error 3021 and writes nothing.
#pragma once

namespace tp {

struct Globals;
class Messenger;

void WriteSetupFile(Globals& g, Messenger& messenger);

}  // namespace tp
