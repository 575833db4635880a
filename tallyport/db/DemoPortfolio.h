// The demo portfolio: a small but complete host database for trying the program and for the
// main job, with owners, properties, occupied and vacant units, tenants with every service flag,
// vendors and entered checks, and the matching ID file of account defaults.
#pragma once

#include <string>

namespace tp {

class HostDatabase;

void fillDemoPortfolio(HostDatabase& db);
// The ID file's text: account defaults on lines 9, 10 and 15 to 18, CR LF line ends.
std::string demoIdFileText();

}  // namespace tp
