// A row sink that keeps every batch it is handed, so that a benchmark can
// parse a day once and replay its rows into the stage it measures.
#pragma once

#include <vector>

#include "store/RawRows.h"

namespace varnel::bench {

class KeepingSink : public store::RowSink {
public:
    void take(store::RowBatch& batch) override {
        batches.push_back(batch);
        batch.clear();
    }
    std::vector<store::RowBatch> batches;
};

}  // namespace varnel::bench
