// The latency summary over a table stored in the background: the same grid
// and the same file whether the summary opens while the table still waits
// to be stored or after it is, and a failed store told as the report's
// failure.
#include <QAction>
#include <utility>

#include "reports/LatencyTableStore.h"
#include "store/ReportDatabase.h"
#include "summarywindows/SummaryWindowFixture.h"

namespace varnel::summarywindows::test {

namespace {

using reports::ReportKind;

class LatencySummaryStoreTest : public SummaryWindowFixture {
protected:
    QByteArray savedFile(const char* name) {
        open();
        return saveAs(out_.file(QString::fromLatin1(name)), "mnuSaveToCSV");
    }

    // Builds the report with its table left to the store, which is held
    // back until the build has returned.
    void buildLeavingTheTable(QTime from, QTime to) {
        inputs_.latencyTable = store_;
        const auto pause = store_->pause();
        buildReport(ReportKind::Latency, from, to);
        EXPECT_TRUE(store_->pending());
    }

    // The files of the report over the morning and over the day, each
    // stored at once; the day's is left in the table.
    std::pair<QByteArray, QByteArray> morningAndDay() {
        buildReport(ReportKind::Latency, QTime(8, 0), QTime(10, 0));
        const QByteArray morning = savedFile("morning.csv");
        buildReport(ReportKind::Latency, QTime(8, 0), QTime(17, 0));
        return {morning, savedFile("day.csv")};
    }

    const QStringList columns{QStringLiteral("MessageGUID"), QStringLiteral("TimeDelivered"),
                              QStringLiteral("SecondsInQueue")};
    std::shared_ptr<reports::LatencyTableStore> store_ = std::make_shared<reports::LatencyTableStore>();
};

}  // namespace

TEST_F(LatencySummaryStoreTest, GridAndFileAreTheSameWhetherTheSummaryOpensBeforeOrAfterTheTableIsStored) {
    loadFixture(QStringLiteral("latency"));
    const auto [morning, storedAtOnce] = morningAndDay();
    const QStringList grid = gridLines(columns);
    ASSERT_NE(morning, storedAtOnce);

    buildReport(ReportKind::Latency, QTime(8, 0), QTime(10, 0));
    buildLeavingTheTable(QTime(8, 0), QTime(17, 0));
    dialogs_.messages.clear();
    // Opened at once, the summary waits for the table.
    EXPECT_EQ(savedFile("while-stored.csv"), storedAtOnce);
    EXPECT_EQ(gridLines(columns), grid);
    EXPECT_FALSE(store_->pending());
    // Opened again once it is stored.
    EXPECT_EQ(savedFile("after.csv"), storedAtOnce);
    EXPECT_EQ(gridLines(columns), grid);
    EXPECT_EQ(dialogs_.texts(), QStringList(2, QStringLiteral("Summary information saved.")));
}

TEST_F(LatencySummaryStoreTest, TheSummaryShowsTheLaterOfTwoReportsWhoseTablesWereNotStoredYet) {
    loadFixture(QStringLiteral("latency"));
    const auto [morning, day] = morningAndDay();

    {
        const auto pause = store_->pause();
        buildLeavingTheTable(QTime(8, 0), QTime(17, 0));
        buildLeavingTheTable(QTime(8, 0), QTime(10, 0));
    }
    EXPECT_EQ(savedFile("second.csv"), morning);
    EXPECT_NE(morning, day);
}

TEST_F(LatencySummaryStoreTest, AFailedStoreIsToldAsTheReportsFailureBeforeTheSummaryShows) {
    loadFixture(QStringLiteral("latency"));
    buildReport(ReportKind::Latency, QTime(8, 0), QTime(17, 0));
    const QByteArray day = savedFile("day.csv");
    {
        const auto pause = store_->pause();
        buildLeavingTheTable(QTime(8, 0), QTime(10, 0));
        // The table refuses new rows, as a full disk would.
        store::ReportDatabase db(inputs_.connectionString);
        db.connection().exec(
            "CREATE TRIGGER Refuse BEFORE INSERT ON MessageLatency BEGIN SELECT RAISE(ABORT, 'no room'); END");
    }
    dialogs_.messages.clear();
    open();
    EXPECT_EQ(dialogs_.texts(),
              QStringList{QStringLiteral("Error in form Load procedure for frmMessageLatency form: no room")});
    // The table stays the last one stored, whole.
    EXPECT_EQ(saveAs(out_.file(QStringLiteral("kept.csv")), "mnuSaveToCSV"), day);
}

}  // namespace varnel::summarywindows::test
