// The host tables, fields and named indexes the program reads and writes, with the column types
// the program relies on. Used to create a host database (init-db and the tests).
#pragma once

namespace SQLite { class Database; }

namespace tp {

void createHostSchema(SQLite::Database& db);

}  // namespace tp
