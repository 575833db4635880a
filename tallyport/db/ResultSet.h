// ResultSet: the rows of a query, read forward. Fields are read by name (a name the query does
// not return is error 3265) with the conversions the program needs: text (absent reads as ""),
// whole number, Money, and whether the value is absent.
#pragma once

#include "FieldValue.h"
#include "Money.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace SQLite { class Statement; }

namespace tp {

class ResultSet {
public:
    explicit ResultSet(std::unique_ptr<SQLite::Statement> statement);
    ResultSet(ResultSet&&) noexcept;
    ResultSet& operator=(ResultSet&&) noexcept;
    ~ResultSet();

    // Moves to the next row (the first on the first call); false when there is none.
    bool next();
    // Whether the result stands on a row (after next() or a find).
    bool onRow() const { return onRow_; }

    bool isNull(std::string_view field) const;
    std::string text(std::string_view field) const;              // absent reads as ""
    std::optional<std::string> optionalText(std::string_view field) const;
    std::optional<std::int64_t> integer(std::string_view field) const;  // absent gives nothing
    Money money(std::string_view field) const;                   // absent reads as 0
    FieldValue value(std::string_view field) const;

private:
    int columnIndex(std::string_view field) const;

    std::unique_ptr<SQLite::Statement> statement_;
    std::unordered_map<std::string, int> columns_;
    bool onRow_ = false;
};

}  // namespace tp
