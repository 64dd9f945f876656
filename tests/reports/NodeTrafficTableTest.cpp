// The node table's look-up of messages by side and serial number.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "reports/NodeTrafficTable.h"
#include "store/Schema.h"

namespace {

using namespace varnel;

TEST(NodeTrafficTableTest, FirstOfTwoEntriesWithOneNumberTakesTheCountsAndUnlistedSerialsCountNowhere) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("work.db"));
    {
        SQLite::Database create(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        store::createSchema(create);
        SQLite::Statement insert(create,
                                 "INSERT INTO RawMessageData(Time, StartMinute, MessageType, VeyraSerialNumber, "
                                 "KeldanSerialNumber, MessageSize) VALUES ('10:00:00', 600, ?, ?, ?, 2000000)");
        const struct {
            int type;
            double veyra;
            double keldan;
        } messages[] = {{5, 7, 30}, {6, 7, 31}, {6, 8, 30}, {6, 9, 99}, {4, 7, 30}};
        for (const auto& m : messages) {
            insert.bind(1, m.type);
            insert.bind(2, m.veyra);
            insert.bind(3, m.keldan);
            insert.exec();
            insert.reset();
        }
    }
    store::ReportDatabase db(path);
    reports::RangeRequest request;
    request.nodes.veyraEntries = {QStringLiteral("8"), QStringLiteral("7 first"), QStringLiteral("7 second")};
    request.nodes.keldanEntries = {QStringLiteral("31"), QStringLiteral("30")};
    EXPECT_EQ(reports::buildNodeTraffic(db, request, reports::NodeCount::DeliveredMessages).counted, 4);

    const std::vector<reports::NodeTrafficRow> rows = reports::readNodeTraffic(db);
    ASSERT_EQ(rows.size(), 5u);
    const auto counts = [](const reports::NodeTrafficRow& row) {
        return std::vector<double>{row.nodeId, double(row.inboundMessages), row.inboundMessageKB,
                                   double(row.outboundMessages), row.outboundMessageKB};
    };
    EXPECT_EQ(counts(rows[0]), (std::vector<double>{8, 0, 0, 1, 2}));
    EXPECT_EQ(counts(rows[1]), (std::vector<double>{7, 1, 2, 1, 2}));
    EXPECT_EQ(counts(rows[2]), (std::vector<double>{7, 0, 0, 0, 0}));
    EXPECT_EQ(counts(rows[3]), (std::vector<double>{31, 0, 0, 1, 2}));
    EXPECT_EQ(counts(rows[4]), (std::vector<double>{30, 1, 2, 1, 2}));
}

}  // namespace
