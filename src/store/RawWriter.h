// Appends batches of raw rows to RawPortData and RawMessageData inside one
// transaction, with prepared multi-row INSERT statements. Every value is a
// bound parameter. Port rows are written fastest in rowid order.
#pragma once

#include <SQLiteCpp/Transaction.h>

#include <memory>

#include "store/RawRows.h"

namespace varnel::store {

class ReportDatabase;
class PreparedInsert;

class RawWriter : public RowSink {
public:
    explicit RawWriter(ReportDatabase& db);
    ~RawWriter() override;

    void take(RowBatch& batch) override;

    // Makes every appended row permanent. Without it the rows are rolled back.
    void commit();

    static constexpr int rowsPerStatement = 32;

private:
    void writePorts(const RowBatch& batch);
    void writeMessages(const RowBatch& batch);

    SQLite::Database& db_;
    SQLite::Transaction transaction_;
    int64_t lastPortRowId_;  // the highest rowid in RawPortData
    std::unique_ptr<PreparedInsert> portAppendMany_, portAppendOne_, portPlaceOne_, messageMany_, messageOne_;
};

}  // namespace varnel::store
