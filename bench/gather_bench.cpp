// What the desktop program's gathering costs its load's parsing thread: the
// rows of the generated days in the folder named by VARNEL_BENCH_LOGS are
// parsed once, then handed to each gatherer alone and to all of them, as a
// load hands them over. Each round gathers into fresh memory, as a load does.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <memory>
#include <vector>

#include "KeepingSink.h"
#include "QuietObserver.h"
#include "ingest/CallLogParser.h"
#include "ingest/DayList.h"
#include "reports/MessageEventGatherer.h"
#include "reports/NodeTallies.h"
#include "store/RowWatchers.h"
#include "trend/DailyTrendGatherer.h"

using namespace varnel;

namespace {

struct ParsedDay {
    QDate day;
    std::vector<store::RowBatch> batches;
};

// Every day's rows, parsed once for all the benchmarks.
const std::vector<ParsedDay>& parsedDays() {
    static const std::vector<ParsedDay> days = [] {
        std::vector<ParsedDay> parsed;
        const char* folder = std::getenv("VARNEL_BENCH_LOGS");
        if (!folder) return parsed;
        const QString logs = QString::fromLocal8Bit(folder);
        ingest::IngestState ingest;
        bench::QuietObserver observer;
        for (const QDate& day : ingest::logDays(logs)) {
            bench::KeepingSink sink;
            ingest::CallLogParser parser(ingest, sink, observer);
            const QString name = QStringLiteral("CallLog_%1*").arg(day.toString(QStringLiteral("yyyyMMdd")));
            for (const QFileInfo& log : QDir(logs).entryInfoList({name}, QDir::Files, QDir::Name))
                parser.parseFile(log.filePath());
            parsed.push_back({day, std::move(sink.batches)});
        }
        return parsed;
    }();
    return days;
}

void gatherInto(store::RowWatcher& watcher) {
    for (const ParsedDay& day : parsedDays()) {
        watcher.dayStarted(day.day);
        for (const store::RowBatch& batch : day.batches) watcher.see(batch);
    }
}

template <typename Make, typename Finish>
void gather(benchmark::State& state, const Make& make, const Finish& finish) {
    if (parsedDays().empty()) return state.SkipWithError("set VARNEL_BENCH_LOGS to a folder of generated logs");
    for (auto _ : state) {
        auto gatherer = make();
        gatherInto(*gatherer);
        finish(*gatherer);
    }
}

void MessageEvents(benchmark::State& state) {
    gather(
        state, [] { return std::make_unique<reports::MessageEventGatherer>(); },
        [](reports::MessageEventGatherer& gatherer) { benchmark::DoNotOptimize(gatherer.finish()); });
}
BENCHMARK(MessageEvents)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void MessageEventsWithHeads(benchmark::State& state) {
    gather(
        state, [] { return std::make_unique<reports::MessageEventGatherer>(reports::RangeRequest{}); },
        [](reports::MessageEventGatherer& gatherer) {
            benchmark::DoNotOptimize(gatherer.finish());
            benchmark::DoNotOptimize(gatherer.takeHeads());
        });
}
BENCHMARK(MessageEventsWithHeads)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void NodeTallies(benchmark::State& state) {
    gather(
        state, [] { return std::make_unique<reports::NodeTallies>(reports::RangeRequest{}); },
        [](reports::NodeTallies& tallies) { benchmark::DoNotOptimize(tallies); });
}
BENCHMARK(NodeTallies)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void DailyTrend(benchmark::State& state) {
    gather(
        state, [] { return std::make_unique<trend::DailyTrendGatherer>(); },
        [](trend::DailyTrendGatherer& gatherer) { benchmark::DoNotOptimize(gatherer.finish()); });
}
BENCHMARK(DailyTrend)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The three together, as the desktop program's load keeps them.
void EveryGatherer(benchmark::State& state) {
    if (parsedDays().empty()) return state.SkipWithError("set VARNEL_BENCH_LOGS to a folder of generated logs");
    for (auto _ : state) {
        reports::MessageEventGatherer events{reports::RangeRequest{}};
        reports::NodeTallies tallies{reports::RangeRequest{}};
        trend::DailyTrendGatherer trend;
        store::RowWatchers watchers;
        watchers.add(&events);
        watchers.add(&tallies);
        watchers.add(&trend);
        gatherInto(watchers);
        benchmark::DoNotOptimize(events.finish());
        benchmark::DoNotOptimize(trend.finish());
    }
}
BENCHMARK(EveryGatherer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
