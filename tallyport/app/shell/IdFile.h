// LoadIDFile: reads the host's ID file "IDFILE.DAT" in the program folder and keeps the six
// account defaults (lines 9, 10 and 15 to 18, counted from 0) in the shared state. A line ends at
// LF or CR LF; the line break is not part of the value. A value whose line the file lacks keeps
// its previous content.
#pragma once

namespace tp {

struct Globals;

inline constexpr const char* IdFileName = "IDFILE.DAT";

void LoadIDFile(Globals& g);

}  // namespace tp
