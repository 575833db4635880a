#include "TableCursor.h"

#include "AppError.h"
#include "DatabaseError.h"
#include "HostDatabase.h"

namespace tp {

TableCursor::TableCursor(HostDatabase& db, std::string table, const std::string& indexName)
    : db_(db), table_(std::move(table)) {
    ResultSet columns = db_.query(
        "SELECT ii.name AS field FROM pragma_index_list(?) AS il, pragma_index_info(il.name) AS ii "
        "WHERE il.name = ? COLLATE NOCASE ORDER BY ii.seqno",
        {table_, indexName});
    if (!columns.next())
        throw AppError(err::ItemNotFound, "'" + indexName + "' is not an index in table '" + table_ + "'.");
    keyField_ = columns.text("field");
}

bool TableCursor::seek(const FieldValue& key) {
    key_ = key;
    row_.emplace(db_.query("SELECT rowid AS tp_rowid, * FROM " + quoteIdentifier(table_) + " WHERE " +
                               quoteIdentifier(keyField_) + " = ? ORDER BY rowid LIMIT 1",
                           {key}));
    if (!row_->next()) return false;
    rowid_ = row_->integer("tp_rowid").value_or(0);
    return true;
}

const ResultSet& TableCursor::row() const {
    if (noMatch()) throw AppError(err::NoCurrentRecord, "No current record.");
    return *row_;
}

void TableCursor::edit(const std::vector<std::pair<std::string, FieldValue>>& values) {
    if (noMatch()) throw AppError(err::NoCurrentRecord, "No current record.");
    std::string assignments;
    std::vector<FieldValue> params;
    for (const auto& [name, value] : values) {
        assignments += (assignments.empty() ? "" : ", ") + quoteIdentifier(name) + " = ?";
        params.push_back(value);
    }
    if (assignments.empty()) return;
    params.emplace_back(rowid_);
    db_.execute("UPDATE " + quoteIdentifier(table_) + " SET " + assignments + " WHERE rowid = ?", params);
    row_.emplace(db_.query("SELECT rowid AS tp_rowid, * FROM " + quoteIdentifier(table_) + " WHERE rowid = ?",
                           {rowid_}));
    row_->next();
}

void TableCursor::remove() {
    if (noMatch()) throw AppError(err::NoCurrentRecord, "No current record.");
    db_.execute("DELETE FROM " + quoteIdentifier(table_) + " WHERE rowid = ?", {rowid_});
    row_.reset();
}

}  // namespace tp
