#include "reportwindows/ReportWindowFixture.h"

#include "ingest/DayList.h"
#include "render/ReportViewCatalogue.h"

namespace varnel::reportwindows::test {

namespace {

class QuietObserver : public ingest::ParseObserver {
public:
    void show(const platform::UserMessage&) override {}
    void fileStarted(const QString&, int64_t) override {}
    void progress(int64_t) override {}
    void fileFinished() override {}
};

}  // namespace

void ReportWindowFixture::loadFixture(const char* name) {
    loadLogs(QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/") + QLatin1String(name) + QStringLiteral("/logs"));
}

void ReportWindowFixture::loadLogs(const QString& logs) {
    const QList<QDate> days = ingest::logDays(logs);
    ASSERT_FALSE(days.isEmpty());
    const store::DataFiles files(data_.path());
    QuietObserver observer;
    load_ = ingest::loadDays({logs, days, ingest::dayEntryText(days.first())}, files, state_, observer);
    ASSERT_EQ(load_.outcome, ingest::LoadOutcome::Loaded);
}

reports::ReportInputs ReportWindowFixture::inputs(reports::ReportKind kind) const {
    reports::ReportInputs in;
    in.kind = kind;
    in.range.nodes.veyraEntries = load_.veyraNodes;
    in.range.nodes.keldanEntries = load_.keldanNodes;
    in.reportDate = state_.reportDate;
    in.peakAvailableLines = state_.peakAvailableLines;
    in.connectionString = store::DataFiles(data_.path()).workingPath();
    return in;
}

std::unique_ptr<ReportWindow> ReportWindowFixture::open(const reports::ReportInputs& in) {
    auto window = std::make_unique<ReportWindow>(
        render::reportViews(in.kind).window, in,
        ReportWindowServices{
            dialogs_, printers_, [this](const reports::ReportInputs&, QWidget&) { ++summariesOpened_; }, {}, {}});
    window->resize(900, 600);
    window->show();
    progressHost_.show();
    window->load(progress_);
    return window;
}

}  // namespace varnel::reportwindows::test
