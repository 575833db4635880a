// The query texts the program runs on the host database, in one place.
#pragma once

namespace tp::queries {

// The occupancy join: every unit whose tenant lives in a property of an owner (inner joins only, so
// their nesting does not matter). Columns of the four tables keep their names. 
inline constexpr const char* Occupancy =
    "SELECT Owners.*, Properties.*, Tenants.*, Units.* "
    "FROM Owners INNER JOIN Properties ON Owners.OwnerID = Properties.POwnerID "
    "INNER JOIN Tenants ON Properties.PropID = Tenants.TPropID "
    "INNER JOIN Units ON Tenants.TenantID = Units.UTenantID";

// The occupancy join in the order the database keeps the tenants (tenant file).
inline constexpr const char* OccupancyInTableOrder =
    "SELECT Owners.*, Properties.*, Tenants.*, Units.* "
    "FROM Owners INNER JOIN Properties ON Owners.OwnerID = Properties.POwnerID "
    "INNER JOIN Tenants ON Properties.PropID = Tenants.TPropID "
    "INNER JOIN Units ON Tenants.TenantID = Units.UTenantID "
    "ORDER BY Tenants.rowid, Units.rowid";

// The occupancy join for the setup file, by owner, property and unit.
inline constexpr const char* OccupancyByOwner =
    "SELECT Owners.*, Properties.*, Tenants.*, Units.* "
    "FROM Owners INNER JOIN Properties ON Owners.OwnerID = Properties.POwnerID "
    "INNER JOIN Tenants ON Properties.PropID = Tenants.TPropID "
    "INNER JOIN Units ON Tenants.TenantID = Units.UTenantID "
    "ORDER BY Owners.OwnerID, Properties.PropID, Units.UTenantID, Tenants.rowid, Units.rowid";

inline constexpr const char* CompanyFirstRow = "SELECT * FROM Company ORDER BY rowid LIMIT 1";

}  // namespace tp::queries
