// HostDatabase: the host's database file "hxdatafl.mdb" in the program folder, opened once per run.
// It runs queries with bound parameters, finds rows by the criterion Val(Field) = 'n' as an
// indexed look-up, opens tables on a named index, adds rows and reports the new row's automatic
// key. The SQL function Val (the numeric value of a text) is registered on every connection.
#pragma once

#include "FieldValue.h"
#include "ResultSet.h"
#include "TableCursor.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace SQLite { class Database; }

namespace tp {

using FieldValues = std::vector<std::pair<std::string, FieldValue>>;

class HostDatabase {
public:
    static constexpr const char* FileName = "hxdatafl.mdb";

    // Opens an existing file read-write; a missing file is error 3024, never a new database.
    static std::unique_ptr<HostDatabase> open(const std::filesystem::path& file);
    // Creates a new file with the host tables; an existing file is refused (error 58).
    static std::unique_ptr<HostDatabase> create(const std::filesystem::path& file);

    ~HostDatabase();
    HostDatabase(const HostDatabase&) = delete;
    HostDatabase& operator=(const HostDatabase&) = delete;

    ResultSet query(std::string_view sql, const std::vector<FieldValue>& params = {});
    int execute(std::string_view sql, const std::vector<FieldValue>& params = {});

    // The first row of `sql` whose `field` has the numeric value of `numberText` (the criterion
    // Val(field) = 'n'); the result stands on it when found, and next() finds the next one.
    ResultSet findFirst(std::string_view sql, const std::string& field, std::string_view numberText);

    // A table positioned with equality seeks on one of its named indexes.
    TableCursor openTable(const std::string& table, const std::string& indexName);

    // Adds a row and returns its automatic key (the row's rowid).
    std::int64_t addNew(const std::string& table, const FieldValues& values);

    SQLite::Database& connection() { return *db_; }
    const std::filesystem::path& path() const { return path_; }

private:
    HostDatabase(std::unique_ptr<SQLite::Database> db, std::filesystem::path path);
    std::unique_ptr<SQLite::Database> db_;
    std::filesystem::path path_;
};

// Binds parameters 1..n of a statement.
void bindAll(SQLite::Statement& statement, const std::vector<FieldValue>& params);

}  // namespace tp
