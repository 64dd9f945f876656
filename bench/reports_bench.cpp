// Times each report table build over a loaded working database: the file
// named by VARNEL_BENCH_DB (see reports_bench.sh, which loads a generated
// 1,000,000-line day). Each iteration works on the same loaded file. The
// node tallies, gathered as a load's rows pass, are timed on rows made here.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "reports/LatencyTable.h"
#include "reports/NodeTallies.h"
#include "reports/NodeTrafficTable.h"
#include "reports/PerMinuteTable.h"
#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"
#include "store/ReportDatabase.h"

using namespace varnel;

namespace {

class NoMessages : public platform::MessageSink {
public:
    void show(const platform::UserMessage&) override {}
};

QString databasePath() {
    const char* path = std::getenv("VARNEL_BENCH_DB");
    return path ? QString::fromLocal8Bit(path) : QString();
}

// Each iteration starts, untimed, from the table as a fresh load leaves it: empty.
template <typename Build>
void runBuild(benchmark::State& state, const char* table, Build build) {
    if (databasePath().isEmpty()) {
        state.SkipWithError("VARNEL_BENCH_DB names no loaded working database");
        return;
    }
    store::ReportDatabase db(databasePath());
    db.useFastRebuilds();
    NoMessages messages;
    const std::string empty = std::string("DELETE FROM ") + table;
    for (auto _ : state) {
        state.PauseTiming();
        db.connection().exec(empty);
        state.ResumeTiming();
        build(db, messages);
    }
}

void portAvailability(benchmark::State& state) {
    runBuild(state, "PortAvailability", [](store::ReportDatabase& db, NoMessages& messages) {
        reports::ensurePortAvailability(db, 96, messages);
    });
}

void queueActivity(benchmark::State& state) {
    runBuild(state, "MessageQueueActivity",
             [](store::ReportDatabase& db, NoMessages&) { reports::ensureQueueActivity(db); });
}

// As a report runs after a load: from the extremes the load gathered (here
// taken once, untimed, by a scan of the same rows).
void portAvailabilityAfterLoad(benchmark::State& state) {
    ingest::MinuteExtremes gathered;
    if (!databasePath().isEmpty()) {
        store::ReportDatabase db(databasePath());
        gathered = reports::scannedPortExtremes(db);
    }
    runBuild(state, "PortAvailability", [&gathered](store::ReportDatabase& db, NoMessages& messages) {
        reports::ensurePortAvailability(db, gathered, 96, messages);
    });
}

void queueActivityAfterLoad(benchmark::State& state) {
    ingest::MinuteExtremes gathered;
    if (!databasePath().isEmpty()) {
        store::ReportDatabase db(databasePath());
        gathered = reports::scannedQueueExtremes(db);
    }
    runBuild(state, "MessageQueueActivity",
             [&gathered](store::ReportDatabase& db, NoMessages&) { reports::ensureQueueActivity(db, gathered); });
}

void latency(benchmark::State& state) {
    runBuild(state, "MessageLatency", [](store::ReportDatabase& db, NoMessages& messages) {
        benchmark::DoNotOptimize(reports::buildMessageLatency(db, reports::RangeRequest{}, messages));
    });
}

void nodeTraffic(benchmark::State& state) {
    runBuild(state, "NodeTraffic", [](store::ReportDatabase& db, NoMessages& messages) {
        reports::RangeRequest request;
        request.nodes.veyraEntries = {QStringLiteral("500"), QStringLiteral("501")};
        request.nodes.keldanEntries = {QStringLiteral("3000"), QStringLiteral("3001")};
        benchmark::DoNotOptimize(
            reports::buildNodeTraffic(db, request, reports::NodeCount::DeliveredMessages, messages));
    });
}

void nodeErrors(benchmark::State& state) {
    runBuild(state, "NodeTraffic", [](store::ReportDatabase& db, NoMessages& messages) {
        benchmark::DoNotOptimize(
            reports::buildNodeTraffic(db, reports::RangeRequest{}, reports::NodeCount::NonDeliveries, messages));
    });
}

// The node tallies of a load as its rows pass, with a million distinct
// serial numbers on each side (a damaged log): the cost the tallies add to
// the parser's thread. Needs no database.
void nodeTalliesManySerials(benchmark::State& state) {
    constexpr int messages = 1000000;
    store::RowBatch batch;
    batch.messages.reserve(messages);
    for (int i = 0; i < messages; ++i) {
        store::MessageRecord row;
        row.startMinute = 60 + i % 1300;
        row.messageType =
            static_cast<int16_t>(i % 2 == 0 ? store::ClearedInboundMessage : store::ClearedOutboundMessage);
        row.veyraSerial = 100000 + i;
        row.keldanSerial = 5000000 + i;
        row.messageSize = store::Nullable<double>::of(1000 + i % 5000);
        row.errorState = i % 50 == 0 ? 1 : 0;
        batch.messages.push_back(row);
    }
    for (auto _ : state) {
        reports::NodeTallies tallies(reports::RangeRequest{});
        tallies.see(batch);
        benchmark::DoNotOptimize(tallies.tallies().messages());
    }
    state.SetItemsProcessed(state.iterations() * messages);
}

}  // namespace

BENCHMARK(portAvailability)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(queueActivity)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(portAvailabilityAfterLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(queueActivityAfterLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(latency)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(nodeTraffic)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(nodeErrors)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(nodeTalliesManySerials)->Unit(benchmark::kMillisecond)->MinTime(1.0);

BENCHMARK_MAIN();
