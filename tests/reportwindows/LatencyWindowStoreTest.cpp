// The latency window with its table stored in the background: the chart is
// drawn before the table is stored, and a second window over another range
// replaces a table that is still waiting.
#include <QScrollBar>

#include "reports/LatencyTableStore.h"
#include "reportwindows/ReportWindowFixture.h"
#include "store/Query.h"
#include "store/ReportDatabase.h"

namespace varnel::reportwindows::test {

namespace {

using reports::ReportKind;

class LatencyWindowStoreTest : public ReportWindowFixture {
protected:
    reports::ReportInputs latency(QTime from, QTime to) const {
        reports::ReportInputs in = inputs(ReportKind::Latency);
        in.range.from = from;
        in.range.to = to;
        in.latencyTable = store_;
        return in;
    }

    // The stored table, row by row.
    QStringList storedRows() const {
        store::ReportDatabase db(inputs(ReportKind::Latency).connectionString);
        store::Query select(db.connection(),
                            "SELECT \"Index\", MessageGUID, TimeDelivered, SecondsInQueue, OutboundMessage "
                            "FROM MessageLatency ORDER BY \"Index\"");
        QStringList rows;
        while (select.next()) {
            QStringList cells;
            for (int c = 0; c < 5; ++c) cells << QString::fromUtf8(select.text(c));
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    // The table as a window without a background store leaves it.
    QStringList tableStoredAtOnce(QTime from, QTime to) {
        reports::ReportInputs in = latency(from, to);
        in.latencyTable = nullptr;
        open(in);
        return storedRows();
    }

    std::shared_ptr<reports::LatencyTableStore> store_ = std::make_shared<reports::LatencyTableStore>();
};

}  // namespace

TEST_F(LatencyWindowStoreTest, TheChartIsDrawnBeforeTheTableIsStored) {
    loadFixture("latency");
    const QStringList morning = tableStoredAtOnce(QTime(8, 0), QTime(12, 0));
    const QStringList day = tableStoredAtOnce(QTime(8, 0), QTime(17, 0));
    ASSERT_NE(morning, day);
    open(latency(QTime(8, 0), QTime(12, 0)));
    ASSERT_EQ(store_->settle(), std::nullopt);
    ASSERT_EQ(storedRows(), morning);

    std::unique_ptr<ReportWindow> window;
    {
        // Held here, the store cannot begin: a window that waited for its
        // table would never return.
        const auto pause = store_->pause();
        window = open(latency(QTime(8, 0), QTime(17, 0)));
        EXPECT_TRUE(store_->pending());
        EXPECT_EQ(storedRows(), morning);
    }
    // The whole chart is there all the same.
    EXPECT_EQ(control<QScrollBar>(*window, "ScrollBar")->maximum(), 15420);
    EXPECT_EQ(window->chart().pointText(0), QStringLiteral("09:03:00  SecondsInQueue: 180"));
    EXPECT_EQ(store_->settle(), std::nullopt);
    EXPECT_EQ(storedRows(), day);
    EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(LatencyWindowStoreTest, ASecondWindowOverAnotherRangeReplacesTheTableStillWaiting) {
    loadFixture("latency");
    const QStringList morning = tableStoredAtOnce(QTime(8, 0), QTime(12, 0));
    const QStringList day = tableStoredAtOnce(QTime(8, 0), QTime(17, 0));
    {
        const auto pause = store_->pause();
        const auto first = open(latency(QTime(8, 0), QTime(17, 0)));
        first->close();
        const auto second = open(latency(QTime(8, 0), QTime(12, 0)));
        EXPECT_EQ(storedRows(), day);
    }
    EXPECT_EQ(store_->settle(), std::nullopt);
    EXPECT_EQ(storedRows(), morning);

    // And while the first one is being stored, as far as it has come.
    open(latency(QTime(8, 0), QTime(17, 0)));
    open(latency(QTime(8, 0), QTime(12, 0)));
    EXPECT_EQ(store_->settle(), std::nullopt);
    EXPECT_EQ(storedRows(), morning);
}

TEST_F(LatencyWindowStoreTest, OtherReportWindowsBuildWhileTheLatencyTableWaits) {
    loadFixture("latency");
    const QStringList day = tableStoredAtOnce(QTime(8, 0), QTime(17, 0));
    tableStoredAtOnce(QTime(8, 0), QTime(12, 0));
    open(latency(QTime(8, 0), QTime(17, 0)));
    // Each build holds the store back while it works and lets it go on after.
    for (const ReportKind kind :
         {ReportKind::PortAvailability, ReportKind::QueueActivity, ReportKind::NodeTraffic, ReportKind::NodeErrors}) {
        reports::ReportInputs in = inputs(kind);
        in.latencyTable = store_;
        open(in);
    }
    EXPECT_EQ(store_->settle(), std::nullopt);
    EXPECT_EQ(storedRows(), day);
    // No build failed for the store: the fixture's only box is its own.
    EXPECT_EQ(dialogs_.texts(), QStringList{QStringLiteral("No error delivery states found in the selected log")});
}

}  // namespace varnel::reportwindows::test
