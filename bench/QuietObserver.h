// A load observer that shows nothing: the benchmarks time the load, not its
// messages or progress.
#pragma once

#include "ingest/ParseObserver.h"

namespace varnel::bench {

class QuietObserver : public ingest::ParseObserver {
public:
    void show(const platform::UserMessage&) override {}
    void fileStarted(const QString&, int64_t) override {}
    void progress(int64_t) override {}
    void fileFinished() override {}
};

}  // namespace varnel::bench
