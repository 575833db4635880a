#include "ResultSet.h"

#include "AppError.h"
#include "DatabaseError.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <cctype>
#include <cmath>

namespace tp {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

ResultSet::ResultSet(std::unique_ptr<SQLite::Statement> statement) : statement_(std::move(statement)) {
    // Field names compare without case, as the host's do; the first of equal names wins.
    for (int i = 0; i < statement_->getColumnCount(); ++i)
        columns_.emplace(lower(statement_->getColumnName(i)), i);
}

ResultSet::ResultSet(ResultSet&&) noexcept = default;
ResultSet& ResultSet::operator=(ResultSet&&) noexcept = default;
ResultSet::~ResultSet() = default;

bool ResultSet::next() {
    try {
        onRow_ = statement_->executeStep();
    } catch (const SQLite::Exception& e) {
        throwDatabaseError(e);
    }
    return onRow_;
}

int ResultSet::columnIndex(std::string_view field) const {
    auto it = columns_.find(lower(field));
    if (it == columns_.end())
        throw AppError(err::ItemNotFound, "Item not found in this collection: " + std::string(field));
    if (!onRow_) throw AppError(err::NoCurrentRecord, "No current record.");
    return it->second;
}

bool ResultSet::isNull(std::string_view field) const {
    return statement_->getColumn(columnIndex(field)).isNull();
}

std::string ResultSet::text(std::string_view field) const {
    return optionalText(field).value_or(std::string());
}

std::optional<std::string> ResultSet::optionalText(std::string_view field) const {
    SQLite::Column column = statement_->getColumn(columnIndex(field));
    switch (column.getType()) {
    case SQLITE_NULL: return std::nullopt;
    case SQLITE_INTEGER: return std::to_string(column.getInt64());
    case SQLITE_FLOAT: return Money::fromReal(column.getDouble()).toPlainText();
    default: return column.getString();
    }
}

std::optional<std::int64_t> ResultSet::integer(std::string_view field) const {
    SQLite::Column column = statement_->getColumn(columnIndex(field));
    switch (column.getType()) {
    case SQLITE_NULL: return std::nullopt;
    case SQLITE_INTEGER: return column.getInt64();
    case SQLITE_FLOAT: return static_cast<std::int64_t>(std::llround(column.getDouble()));
    default: return column.getInt64();
    }
}

Money ResultSet::money(std::string_view field) const {
    SQLite::Column column = statement_->getColumn(columnIndex(field));
    switch (column.getType()) {
    case SQLITE_NULL: return Money();
    case SQLITE_INTEGER: return Money::fromWhole(column.getInt64());
    case SQLITE_FLOAT: return Money::fromReal(column.getDouble());
    default: return Money::parse(column.getString()).value_or(Money());
    }
}

FieldValue ResultSet::value(std::string_view field) const {
    SQLite::Column column = statement_->getColumn(columnIndex(field));
    switch (column.getType()) {
    case SQLITE_NULL: return std::monostate{};
    case SQLITE_INTEGER: return column.getInt64();
    case SQLITE_FLOAT: return column.getDouble();
    default: return column.getString();
    }
}

}  // namespace tp
