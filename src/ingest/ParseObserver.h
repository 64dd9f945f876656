// What the parser tells its caller while it works: the window shows progress
// and boxes, the command line tool writes messages to standard error.
#pragma once

#include <QString>
#include <cstdint>

#include "platform/UserMessage.h"

namespace varnel::ingest {

class ParseObserver : public platform::MessageSink {
public:
    // A file of lineCount lines is about to be parsed.
    virtual void fileStarted(const QString& path, int64_t lineCount) = 0;
    // linesDone lines of the current file are parsed (called every 101 lines).
    virtual void progress(int64_t linesDone) = 0;
    virtual void fileFinished() = 0;
};

}  // namespace varnel::ingest
