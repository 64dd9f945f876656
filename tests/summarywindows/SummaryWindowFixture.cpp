#include "summarywindows/SummaryWindowFixture.h"

#include <QAction>
#include <QFile>

#include "catalogue/ReportRecipe.h"
#include "ingest/LoadData.h"
#include "ingest/RecordingObserver.h"
#include "store/ReportDatabase.h"

namespace varnel::summarywindows::test {

namespace {

const QString fixtures = QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/");

}  // namespace

void SummaryWindowFixture::loadFixture(const QString& fixture) {
    fixture_ = fixture;
    store::DataFiles files(data_.path());
    varnel::test::RecordingObserver observer;
    const ingest::LoadResult load = ingest::loadDays(
        {fixtures + fixture + QStringLiteral("/logs"), {QDate(2004, 5, 12)}, QStringLiteral("05/12/2004 Wednesday")},
        files, state_, observer);
    ASSERT_EQ(load.outcome, ingest::LoadOutcome::Loaded);
    inputs_.connectionString = files.workingPath();
    inputs_.reportDate = state_.reportDate;
    inputs_.peakAvailableLines = state_.peakAvailableLines;
    inputs_.range.nodes.veyraEntries = load.veyraNodes;
    inputs_.range.nodes.keldanEntries = load.keldanNodes;
}

void SummaryWindowFixture::buildReport(reports::ReportKind kind, QTime from, QTime to) {
    inputs_.kind = kind;
    inputs_.range.from = from;
    inputs_.range.to = to;
    store::ReportDatabase db(inputs_.connectionString);
    catalogue::buildReport(db, inputs_);
}

SummaryWindow& SummaryWindowFixture::open() {
    window_ = std::make_unique<SummaryWindow>(inputs_, SummaryWindowServices{dialogs_, {}, {}});
    window_->formLoad();
    window_->show();
    return *window_;
}

QByteArray SummaryWindowFixture::saveAs(const QString& path, const char* saveItem) {
    dialogs_.saveAnswer = path;
    control<QAction>(saveItem)->trigger();
    return contentOf(path);
}

QByteArray SummaryWindowFixture::contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray SummaryWindowFixture::expectedFile(const QString& fixture, const QString& name) {
    const QByteArray content = contentOf(fixtures + fixture + QLatin1Char('/') + name);
    EXPECT_FALSE(content.isEmpty()) << name.toStdString();
    return content;
}

QStringList SummaryWindowFixture::gridLines(const QStringList& keys) const {
    const SummaryTableModel& grid = window_->gridSummary().grid();
    QStringList lines;
    for (int row = 1; row < grid.gridRowCount(); ++row) {
        QStringList cells;
        for (const QString& key : keys) cells << grid.cellText(row, grid.columnIndex(key).value_or(-1)).trimmed();
        lines << cells.join(QLatin1Char(','));
    }
    return lines;
}

}  // namespace varnel::summarywindows::test
