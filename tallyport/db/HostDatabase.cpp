#include "HostDatabase.h"

#include "AppError.h"
#include "DatabaseError.h"
#include "HostSchema.h"
#include "TextRules.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <cstdlib>

namespace tp {
namespace {

// Val(x): numbers stay as they are; a text gives its numeric value, whole values as INTEGER.
void sqlVal(sqlite3_context* context, int, sqlite3_value** args) {
    switch (sqlite3_value_type(args[0])) {
    case SQLITE_NULL: sqlite3_result_null(context); return;
    case SQLITE_INTEGER: sqlite3_result_int64(context, sqlite3_value_int64(args[0])); return;
    case SQLITE_FLOAT: sqlite3_result_double(context, sqlite3_value_double(args[0])); return;
    default: break;
    }
    std::string text(reinterpret_cast<const char*>(sqlite3_value_text(args[0])),
                     static_cast<std::size_t>(sqlite3_value_bytes(args[0])));
    if (auto whole = numericValueWhole(text)) sqlite3_result_int64(context, *whole);
    else sqlite3_result_double(context, std::strtod(numericValueText(text).c_str(), nullptr));
}

FieldValue numberParameter(std::string_view numberText) {
    if (auto whole = numericValueWhole(numberText)) return *whole;
    return std::strtod(numericValueText(numberText).c_str(), nullptr);
}

}  // namespace

[[noreturn]] void throwDatabaseError(const SQLite::Exception& e) {
    std::string what = e.what();
    if (what.find("no such table") != std::string::npos ||
        what.find("no such column") != std::string::npos ||
        what.find("has no column named") != std::string::npos)
        throw AppError(err::ItemNotFound, what);
    throw AppError(3000, what);
}

std::string quoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void bindAll(SQLite::Statement& statement, const std::vector<FieldValue>& params) {
    for (std::size_t i = 0; i < params.size(); ++i) {
        int at = static_cast<int>(i) + 1;
        std::visit(
            [&](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, std::monostate>) statement.bind(at);
                else if constexpr (std::is_same_v<V, std::int64_t>) statement.bind(at, static_cast<std::int64_t>(v));
                else statement.bind(at, v);
            },
            params[i]);
    }
}

HostDatabase::HostDatabase(std::unique_ptr<SQLite::Database> db, std::filesystem::path path)
    : db_(std::move(db)), path_(std::move(path)) {
    sqlite3_create_function(db_->getHandle(), "Val", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            sqlVal, nullptr, nullptr);
    db_->setBusyTimeout(5000);
}

HostDatabase::~HostDatabase() = default;

std::unique_ptr<HostDatabase> HostDatabase::open(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw AppError(err::DatabaseNotFound, "Could not find file '" + file.string() + "'.");
    try {
        auto db = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READWRITE);
        db->exec("SELECT count(*) FROM sqlite_master");  // fails here on a file that is no database
        return std::unique_ptr<HostDatabase>(new HostDatabase(std::move(db), file));
    } catch (const SQLite::Exception& e) {
        throw AppError(3000, "Cannot open the database '" + file.string() + "': " + e.what());
    }
}

std::unique_ptr<HostDatabase> HostDatabase::create(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec))
        throw AppError(58, "File already exists: " + file.string());
    try {
        auto db = std::make_unique<SQLite::Database>(file.string(),
                                                     SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        createHostSchema(*db);
        return std::unique_ptr<HostDatabase>(new HostDatabase(std::move(db), file));
    } catch (const SQLite::Exception& e) {
        throw AppError(3000, "Cannot create the database '" + file.string() + "': " + e.what());
    }
}

ResultSet HostDatabase::query(std::string_view sql, const std::vector<FieldValue>& params) {
    try {
        auto statement = std::make_unique<SQLite::Statement>(*db_, std::string(sql));
        bindAll(*statement, params);
        return ResultSet(std::move(statement));
    } catch (const SQLite::Exception& e) {
        throwDatabaseError(e);
    }
}

int HostDatabase::execute(std::string_view sql, const std::vector<FieldValue>& params) {
    try {
        SQLite::Statement statement(*db_, std::string(sql));
        bindAll(statement, params);
        return statement.exec();
    } catch (const SQLite::Exception& e) {
        throwDatabaseError(e);
    }
}

ResultSet HostDatabase::findFirst(std::string_view sql, const std::string& field,
                                  std::string_view numberText) {
    // An equality on the bare field lets the engine use the field's index; for whole-number
    // fields it selects exactly the rows whose Val(field) equals the number.
    std::vector<FieldValue> params(1);
    params[0] = numberParameter(numberText);
    ResultSet rows =
        query("SELECT * FROM (" + std::string(sql) + ") WHERE " + quoteIdentifier(field) + " = ?", params);
    rows.next();
    return rows;
}

TableCursor HostDatabase::openTable(const std::string& table, const std::string& indexName) {
    return TableCursor(*this, table, indexName);
}

std::int64_t HostDatabase::addNew(const std::string& table, const FieldValues& values) {
    std::string names, marks;
    std::vector<FieldValue> params;
    for (const auto& [name, value] : values) {
        names += (names.empty() ? "" : ", ") + quoteIdentifier(name);
        marks += marks.empty() ? "?" : ", ?";
        params.push_back(value);
    }
    std::string sql = names.empty() ? "INSERT INTO " + quoteIdentifier(table) + " DEFAULT VALUES"
                                    : "INSERT INTO " + quoteIdentifier(table) + " (" + names +
                                          ") VALUES (" + marks + ")";
    execute(sql, params);
    return db_->getLastInsertRowid();
}

}  // namespace tp
