// Writes every message for the user to standard error, one message a line.
#pragma once

#include "ingest/ParseObserver.h"

namespace varnel::cli {

class StderrObserver : public ingest::ParseObserver {
public:
    void show(const platform::UserMessage& message) override;
    void fileStarted(const QString&, int64_t) override {}
    void progress(int64_t) override {}
    void fileFinished() override {}
};

}  // namespace varnel::cli
