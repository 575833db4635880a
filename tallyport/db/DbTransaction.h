// DbTransaction: work that belongs together, as one database transaction. It rolls back when it
// goes out of scope without commit(), so an error half-way leaves the database as it was.
#pragma once

namespace tp {

class HostDatabase;

class DbTransaction {
public:
    explicit DbTransaction(HostDatabase& db);
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    void commit();

private:
    HostDatabase& db_;
    bool open_ = true;
};

}  // namespace tp
