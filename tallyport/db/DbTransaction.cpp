#include "DbTransaction.h"

#include "HostDatabase.h"

#include <SQLiteCpp/Database.h>

namespace tp {

DbTransaction::DbTransaction(HostDatabase& db) : db_(db) { db_.execute("BEGIN IMMEDIATE"); }

DbTransaction::~DbTransaction() {
    if (!open_) return;
    try {
        db_.connection().exec("ROLLBACK");
    } catch (...) {
        // Nothing more can be done in a destructor; the engine rolls back on close as well.
    }
}

void DbTransaction::commit() {
    db_.execute("COMMIT");
    open_ = false;
}

}  // namespace tp
