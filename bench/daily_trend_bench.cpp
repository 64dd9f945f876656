// The daily trend's costs. LoadDay/0 and LoadDay/1 load the generated day
// in the folder named by VARNEL_BENCH_LOGS without and with the trend's
// gathering (see daily_trend_bench.sh, which runs them interleaved); the
// CPU column is the parsing thread's, where the gathering runs.
// TrendAfterLoad365 is what the trend costs once a load of 365 days has
// ended: the last day closed, the summary table and its CSV text made.
#include <benchmark/benchmark.h>

#include <QBuffer>
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
#include "summaries/SummaryCsv.h"
#include "summaries/SummaryTable.h"
#include "trend/DailyTrendGatherer.h"

using namespace varnel;

namespace {

void LoadDay(benchmark::State& state) {
    const char* folder = std::getenv("VARNEL_BENCH_LOGS");
    if (!folder) return state.SkipWithError("set VARNEL_BENCH_LOGS to a folder of generated logs");
    const QList<QDate> days = ingest::logDays(QString::fromLocal8Bit(folder));
    if (days.isEmpty()) return state.SkipWithError("VARNEL_BENCH_LOGS holds no call logs");
    const bool gather = state.range(0) != 0;
    QTemporaryDir data;
    const store::DataFiles files(data.path());
    for (auto _ : state) {
        ingest::IngestState ingest;
        bench::QuietObserver observer;
        trend::DailyTrendGatherer gatherer;
        const ingest::LoadResult result = ingest::loadDays(
            {QString::fromLocal8Bit(folder), days, {}, gather ? &gatherer : nullptr}, files, ingest, observer);
        benchmark::DoNotOptimize(result.counters);
        if (gather) benchmark::DoNotOptimize(gatherer.finish());
    }
}
BENCHMARK(LoadDay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The gathering alone, over the rows of the day's logs parsed once.
void GatherDay(benchmark::State& state) {
    const char* folder = std::getenv("VARNEL_BENCH_LOGS");
    if (!folder) return state.SkipWithError("set VARNEL_BENCH_LOGS to a folder of generated logs");
    bench::KeepingSink parsed;
    ingest::IngestState ingest;
    bench::QuietObserver observer;
    ingest::CallLogParser parser(ingest, parsed, observer);
    for (const QFileInfo& log : QDir(QString::fromLocal8Bit(folder)).entryInfoList({QStringLiteral("CallLog_*")}))
        parser.parseFile(log.filePath());
    for (auto _ : state) {
        trend::DailyTrendGatherer gatherer;
        gatherer.dayStarted(QDate(2004, 5, 12));
        for (const store::RowBatch& batch : parsed.batches) gatherer.see(batch);
        benchmark::DoNotOptimize(gatherer.finish());
    }
}
BENCHMARK(GatherDay)->Unit(benchmark::kMillisecond)->UseRealTime();

// A day's rows as a load hands them over: calls with a port at times full,
// and queued and cleared outbound and inbound messages.
store::RowBatch dayOfRows(const QDate& day, int messages) {
    store::RowBatch batch;
    store::StoredTime time{static_cast<int16_t>(day.year()), static_cast<int8_t>(day.month()),
                           static_cast<int8_t>(day.day())};
    for (int i = 0; i < messages; ++i) {
        const int second = i * 86399 / messages;
        time.hour = static_cast<int8_t>(second / 3600);
        time.minute = static_cast<int8_t>(second / 60 % 60);
        time.second = static_cast<int8_t>(second % 60);
        store::PortRecord port;
        port.callType = static_cast<int16_t>(1 + i % 2);
        port.startTime = time;
        port.linesAvailable = static_cast<int16_t>(i % 24);
        port.linesInUse = static_cast<int16_t>(24 - i % 24);
        port.startMinute = time.minuteOfDay();
        batch.ports.push_back(port);
        store::MessageRecord message;
        message.lineTime = time;
        message.startMinute = time.minuteOfDay();
        message.messageType = static_cast<int16_t>(i % 4 == 3 ? store::NewInboundMessage
                                                   : i % 2    ? store::ClearedOutboundMessage
                                                              : store::NewOutboundMessage);
        const QByteArray guid = QStringLiteral("{%1-%2}").arg(day.toJulianDay()).arg(i / 2).toLatin1();
        message.guid = batch.addText(guid.toStdString());
        message.messageSize = store::Nullable<double>::of(1000.0 + i);
        batch.messages.push_back(message);
    }
    return batch;
}

void TrendAfterLoad365(benchmark::State& state) {
    constexpr int days = 365;
    const QDate first(2004, 1, 1);
    std::vector<store::RowBatch> batches;
    for (int d = 0; d < days; ++d) batches.push_back(dayOfRows(first.addDays(d), 2000));
    for (auto _ : state) {
        state.PauseTiming();
        trend::DailyTrendGatherer gatherer;
        for (int d = 0; d < days; ++d) {
            gatherer.dayStarted(first.addDays(d));
            gatherer.see(batches[static_cast<std::size_t>(d)]);
        }
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        state.ResumeTiming();
        const trend::DailyTrend trend = gatherer.finish();
        const summaries::SummaryTable table = summaries::dailyTrendTable(trend);
        summaries::writeDailyTrendCsv(trend, csv);
        benchmark::DoNotOptimize(table.rows.size());
        benchmark::DoNotOptimize(csv.size());
    }
}
BENCHMARK(TrendAfterLoad365)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
