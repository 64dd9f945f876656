// Micro-benchmarks of the load's two halves over a log named by
// VARNEL_BENCH_LOG (a generated day): parsing alone, storing alone, and
// parsing with the database writer.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "KeepingSink.h"
#include "QuietObserver.h"
#include "ingest/CallLogParser.h"
#include "ingest/DayList.h"
#include "ingest/LoadData.h"
#include "store/DataFiles.h"
#include "store/RawWriter.h"
#include "store/ReportDatabase.h"

using namespace varnel;

namespace {

class DiscardingSink : public store::RowSink {
public:
    void take(store::RowBatch& batch) override {
        rows += batch.rowCount();
        batch.clear();
    }
    std::size_t rows = 0;
};

QString benchLog() {
    const char* path = std::getenv("VARNEL_BENCH_LOG");
    return path ? QString::fromLocal8Bit(path) : QString();
}

void ParseOnly(benchmark::State& state) {
    const QString log = benchLog();
    if (log.isEmpty()) return state.SkipWithError("set VARNEL_BENCH_LOG to a call log");
    for (auto _ : state) {
        ingest::IngestState ingest;
        DiscardingSink sink;
        bench::QuietObserver observer;
        ingest::CallLogParser(ingest, sink, observer).parseFile(log);
        benchmark::DoNotOptimize(sink.rows);
    }
}
BENCHMARK(ParseOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// The database writer's thread alone: the log's rows, parsed once, stored
// into a fresh working database in each round.
void StoreOnly(benchmark::State& state) {
    const QString log = benchLog();
    if (log.isEmpty()) return state.SkipWithError("set VARNEL_BENCH_LOG to a call log");
    bench::KeepingSink parsed;
    {
        ingest::IngestState ingest;
        bench::QuietObserver observer;
        ingest::CallLogParser(ingest, parsed, observer).parseFile(log);
    }
    QTemporaryDir data;
    const store::DataFiles files(data.path());
    files.ensureTemplate();
    for (auto _ : state) {
        state.PauseTiming();
        files.makeFreshWorkingCopy();
        std::vector<store::RowBatch> batches = parsed.batches;
        state.ResumeTiming();
        store::ReportDatabase db(files.workingPath());
        db.useFastBulkWrites();
        store::RawWriter writer(db);
        for (store::RowBatch& batch : batches) writer.take(batch);
        writer.commit();
    }
}
BENCHMARK(StoreOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void LoadIntoDatabase(benchmark::State& state) {
    const QString log = benchLog();
    if (log.isEmpty()) return state.SkipWithError("set VARNEL_BENCH_LOG to a call log");
    const QFileInfo info(log);
    const auto day = ingest::logFileDate(info.fileName());
    if (!day) return state.SkipWithError("VARNEL_BENCH_LOG must be named CallLog_YYYYMMDD*.log");
    QTemporaryDir data;
    const store::DataFiles files(data.path());
    for (auto _ : state) {
        ingest::IngestState ingest;
        bench::QuietObserver observer;
        ingest::loadDays({info.absolutePath(), {*day}, {}}, files, ingest, observer);
    }
}
BENCHMARK(LoadIntoDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
