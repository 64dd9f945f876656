// Runs a load of chosen days on a thread of its own so that the window stays
// responsive. What the parser reports comes back as signals, in the order it
// was reported; the progress of the current file is read by polling, so a
// fast parse never floods the window with events.
//
// Thread rules: start() hands the IngestState and the working database to
// the load's thread; the caller leaves both alone until loadFinished.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

#include "ingest/LoadData.h"

namespace varnel::app {

class LoadRunner : public QObject {
    Q_OBJECT
public:
    struct FileProgress {
        int file = 0;  // the file's number within the load, from 1; 0 before the first
        int64_t linesDone = 0;
    };

    explicit LoadRunner(QObject* parent = nullptr);
    // Cancels a load that is still running and waits for it to stop.
    ~LoadRunner() override;

    void start(ingest::LoadRequest request, store::DataFiles files, ingest::IngestState& state);

    // Asks a running load to stop between lines; it then ends with the
    // outcome Cancelled, saying nothing. Safe to call at any time.
    void cancel() { cancel_.store(true); }

    // Safe to call from any thread at any time.
    FileProgress progress() const;

    // The outcome of the finished load; valid after loadFinished.
    const ingest::LoadResult& result() const { return result_; }

signals:
    // Emitted on the load's thread; connect to receivers on the window's thread.
    void messageRaised(const QString& text, const QString& title, int icon);
    void fileStarted(int file, const QString& path, qint64 lineCount);
    void fileFinished(int file);
    void loadFinished();

private:
    class Observer;

    void setProgress(int file, int64_t linesDone);

    static constexpr int lineBits = 40;
    std::atomic<int64_t> progress_{0};
    std::atomic<bool> cancel_{false};
    ingest::LoadResult result_;
    std::unique_ptr<QThread> thread_;
};

}  // namespace varnel::app
