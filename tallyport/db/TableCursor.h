// TableCursor: a host table with a current index, positioned by an equality seek, whose current
// row can be read, edited and deleted. An index the table does not have is error 3265.
#pragma once

#include "FieldValue.h"
#include "ResultSet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tp {

class HostDatabase;

class TableCursor {
public:
    TableCursor(HostDatabase& db, std::string table, const std::string& indexName);

    // Moves to the first row whose indexed field equals `key`; false (and no current row) when
    // none does.
    bool seek(const FieldValue& key);
    bool noMatch() const { return !row_ || !row_->onRow(); }

    // The current row's fields (error 3021 without a current row).
    const ResultSet& row() const;
    // Writes the given fields into the current row and reads it again.
    void edit(const std::vector<std::pair<std::string, FieldValue>>& values);
    // Deletes the current row; afterwards there is no current row.
    void remove();

private:
    HostDatabase& db_;
    std::string table_;
    std::string keyField_;
    std::optional<ResultSet> row_;
    std::int64_t rowid_ = 0;
    FieldValue key_;
};

}  // namespace tp
