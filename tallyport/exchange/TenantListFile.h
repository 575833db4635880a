// WriteTenantListFile: the tenant participant file, one line per tenant who occupies a unit, each
// of its 16 fields followed by "|", ending with the action word that carries the tenant's
// enrolment ("activate", "deactivate" or "delete"). Written atomically; when no tenant occupies a
// unit, no file is left behind.
#pragma once

#include <string>

namespace tp {

struct Globals;
class Messenger;
class ResultSet;

// The action word for a tenant row: "delete" for the VACANT placeholder or flag "D", "activate"
// for flag "Y", "deactivate" otherwise (exact, case-sensitive).
std::string tenantAction(const ResultSet& row);

void WriteTenantListFile(Globals& g, Messenger& messenger);

}  // namespace tp
