// Times each report's build over a loaded working database: the file named
// by VARNEL_BENCH_DB (see reports_bench.sh, which loads a generated
// 1,000,000-line day). Each iteration works on the same loaded file. Every
// report of the catalogue is built through its recipe from the raw tables
// (build/NAME); the per-minute tables also from the extremes a load
// gathers (AfterLoad). The node tallies, gathered as a load's rows pass, are
// timed on rows made here.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "catalogue/ReportRecipe.h"
#include "reports/NodeTallies.h"
#include "reports/PerMinuteTable.h"
#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"
#include "store/ReportDatabase.h"

using namespace varnel;

namespace {

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
    const std::string empty = std::string("DELETE FROM ") + table;
    for (auto _ : state) {
        state.PauseTiming();
        db.connection().exec(empty);
        state.ResumeTiming();
        build(db);
    }
}

// The report's recipe over the whole day, without node lists: the node
// reports count every message but list no node.
void buildReport(benchmark::State& state, const catalogue::ReportEntry& entry) {
    reports::ReportInputs inputs;
    inputs.kind = entry.kind;
    inputs.peakAvailableLines = 96;
    runBuild(state, entry.table, [&inputs](store::ReportDatabase& db) {
        benchmark::DoNotOptimize(catalogue::buildReport(db, inputs).size());
    });
}

// As a report runs after a load: from the extremes the load gathered (here
// taken once, untimed, by a scan of the same rows).
void portAvailabilityAfterLoad(benchmark::State& state) {
    ingest::MinuteExtremes gathered;
    if (!databasePath().isEmpty()) {
        store::ReportDatabase db(databasePath());
        gathered = reports::scannedPortExtremes(db);
    }
    runBuild(state, "PortAvailability",
             [&gathered](store::ReportDatabase& db) { reports::ensurePortAvailability(db, gathered, 96); });
}

void queueActivityAfterLoad(benchmark::State& state) {
    ingest::MinuteExtremes gathered;
    if (!databasePath().isEmpty()) {
        store::ReportDatabase db(databasePath());
        gathered = reports::scannedQueueExtremes(db);
    }
    runBuild(state, "MessageQueueActivity",
             [&gathered](store::ReportDatabase& db) { reports::ensureQueueActivity(db, gathered); });
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

BENCHMARK(portAvailabilityAfterLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(queueActivityAfterLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(nodeTalliesManySerials)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    for (const catalogue::ReportEntry& entry : catalogue::reportCatalogue())
        benchmark::RegisterBenchmark((std::string("build/") + entry.commandLineName).c_str(),
                                     [&entry](benchmark::State& state) { buildReport(state, entry); })
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
