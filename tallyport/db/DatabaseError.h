// Turns an error of the database engine into the program's AppError: a missing table or field is
// 3265 with the engine's description, as the messages of start-up expect; any other is 3000.
#pragma once

#include <string>

namespace SQLite { class Exception; }

namespace tp {

[[noreturn]] void throwDatabaseError(const SQLite::Exception& e);
// A name used in SQL text, quoted so that it is taken as a table or field name only.
std::string quoteIdentifier(const std::string& name);

}  // namespace tp
