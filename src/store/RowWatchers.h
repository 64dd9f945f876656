// Several watchers of one load: each batch of rows goes to every watcher in
// the order they were added, so that a load can gather for more than one
// report while a LoadRequest names a single watcher.
#pragma once

#include <vector>

#include "store/RawRows.h"

namespace varnel::store {

class RowWatchers : public RowWatcher {
public:
    // A null watcher is left out, so that optional gatherers can be added as
    // they are.
    void add(RowWatcher* watcher) {
        if (watcher) watchers_.push_back(watcher);
    }

    void see(const RowBatch& batch) override {
        for (RowWatcher* watcher : watchers_) watcher->see(batch);
    }

    void dayStarted(const QDate& day) override {
        for (RowWatcher* watcher : watchers_) watcher->dayStarted(day);
    }

private:
    std::vector<RowWatcher*> watchers_;
};

}  // namespace varnel::store
