// A parse observer and row sink that remember what they are given.
#pragma once

#include <string>
#include <vector>

#include "ingest/ParseObserver.h"
#include "store/RawRows.h"

namespace varnel::test {

class RecordingObserver : public ingest::ParseObserver {
public:
    void show(const platform::UserMessage& message) override { messages.push_back(message); }
    void fileStarted(const QString& path, int64_t lineCount) override {
        startedFiles << path;
        lastLineCount = lineCount;
    }
    void progress(int64_t linesDone) override { lastProgress = linesDone; }
    void fileFinished() override { ++finishedFiles; }

    std::vector<platform::UserMessage> messages;
    QStringList startedFiles;
    int64_t lastLineCount = -1;
    int64_t lastProgress = 0;
    int finishedFiles = 0;
};

// Keeps every row with its text resolved.
class CollectingSink : public store::RowSink {
public:
    struct Message {
        store::MessageRecord row;
        std::string guid;
    };

    void take(store::RowBatch& batch) override {
        ports.insert(ports.end(), batch.ports.begin(), batch.ports.end());
        for (const auto& m : batch.messages) messages.push_back({m, std::string(batch.textOf(m.guid))});
        batch.clear();
    }

    // Port rows in append order (their row ids).
    std::vector<store::PortRecord> portsInOrder() const;

    std::vector<store::PortRecord> ports;
    std::vector<Message> messages;
};

inline std::vector<store::PortRecord> CollectingSink::portsInOrder() const {
    auto sorted = ports;
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.rowId < b.rowId; });
    return sorted;
}

}  // namespace varnel::test
