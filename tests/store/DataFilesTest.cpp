// The template, the fresh working copy and the stored forms of the raw tables.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <QFile>

#include "TestFiles.h"
#include "store/DataFiles.h"
#include "store/RawWriter.h"
#include "store/ReportDatabase.h"

using namespace varnel::store;

namespace {

QStringList columnsOf(ReportDatabase& db, const char* table) {
    SQLite::Statement info(db.connection(), std::string("SELECT name FROM pragma_table_info('") + table + "')");
    QStringList names;
    while (info.executeStep()) names << QString::fromStdString(info.getColumn(0).getString());
    return names;
}

}  // namespace

TEST(DataFiles, TemplateHoldsTheSixTablesWithTheirColumns) {
    varnel::test::TempFolder folder;
    const DataFiles files(folder.path() + "/nested/data");
    files.ensureTemplate();
    files.makeFreshWorkingCopy();
    ReportDatabase db(files.workingPath());
    EXPECT_EQ(columnsOf(db, "RawPortData"),
              (QStringList{"Port", "CallType", "StartTime", "LinesAvailableToTakeCalls", "LinesInUse", "StartMinute",
                           "EndTime", "Seconds", "EndMinute"}));
    EXPECT_EQ(columnsOf(db, "RawMessageData").size(), 10);
    EXPECT_EQ(columnsOf(db, "PortAvailability").size(), 3);
    EXPECT_EQ(columnsOf(db, "MessageQueueActivity").size(), 5);
    EXPECT_TRUE(columnsOf(db, "MessageLatency").contains("Index"));

    db.connection().exec("INSERT INTO NodeTraffic(NodeType, NodeID) VALUES ('Veyra', 512)");
    SQLite::Statement row(
        db.connection(),
        "SELECT InboundMessages, InboundMessageKB, OutboundMessages, OutboundMessageKB FROM NodeTraffic");
    ASSERT_TRUE(row.executeStep());
    // The four counts start at a stored 0, not NULL: the node reports add to them.
    for (int c = 0; c < 4; ++c) {
        const SQLite::Column value = row.getColumn(c);
        EXPECT_FALSE(value.isNull()) << c;
        EXPECT_EQ(value.getDouble(), 0) << c;
    }
}

TEST(DataFiles, FreshCopyReplacesAReadOnlyWorkingFile) {
    varnel::test::TempFolder folder;
    const DataFiles files(folder.path());
    files.ensureTemplate();
    files.makeFreshWorkingCopy();
    {
        ReportDatabase db(files.workingPath());
        db.connection().exec("INSERT INTO RawPortData(Port) VALUES (1)");
    }
    QFile::setPermissions(files.workingPath(), QFileDevice::ReadOwner);
    QFile::setPermissions(files.templatePath(), QFileDevice::ReadOwner);
    files.makeFreshWorkingCopy();
    EXPECT_TRUE(QFile::permissions(files.workingPath()) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFile::permissions(files.templatePath()) & QFileDevice::WriteOwner);
    ReportDatabase db(files.workingPath());
    EXPECT_EQ(db.rowCount("RawPortData"), 0);
}

TEST(DataFiles, ATemplateThatIsNotEmptyOrLacksATableOrColumnIsMadeAgain) {
    const struct {
        const char* fault;
        const char* sql;
    } faults[] = {
        {"rows", "INSERT INTO RawPortData(Port) VALUES (7); INSERT INTO MessageLatency(MessageGUID) VALUES ('x')"},
        {"a table missing", "DROP TABLE NodeTraffic"},
        {"a column missing", "ALTER TABLE RawMessageData DROP COLUMN ErrorState"},
        {"an index of its own", "CREATE UNIQUE INDEX Guids ON MessageLatency(MessageGUID)"},
    };
    for (const auto& fault : faults) {
        varnel::test::TempFolder folder;
        const DataFiles files(folder.path());
        files.ensureTemplate();
        {
            SQLite::Database made(files.templatePath().toStdString(), SQLite::OPEN_READWRITE);
            made.exec(fault.sql);
        }
        files.ensureTemplate();
        files.makeFreshWorkingCopy();
        ReportDatabase db(files.workingPath());
        EXPECT_EQ(db.rowCount("RawPortData"), 0) << fault.fault;
        EXPECT_EQ(db.rowCount("MessageLatency"), 0) << fault.fault;
        EXPECT_EQ(db.rowCount("NodeTraffic"), 0) << fault.fault;
        EXPECT_EQ(columnsOf(db, "RawMessageData").size(), 10) << fault.fault;
        EXPECT_EQ(db.connection().execAndGet("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'").getInt(), 0)
            << fault.fault;
    }
    // Not a database at all.
    varnel::test::TempFolder folder;
    const DataFiles files(folder.path());
    folder.write("CleanPortData.db", "not a database");
    files.ensureTemplate();
    files.makeFreshWorkingCopy();
    ReportDatabase db(files.workingPath());
    EXPECT_EQ(db.rowCount("RawPortData"), 0);
}

TEST(DataFiles, MissingTemplateIsAnError) {
    varnel::test::TempFolder folder;
    const DataFiles files(folder.path());
    EXPECT_THROW(files.makeFreshWorkingCopy(), StoreError);
}

TEST(RawWriter, StoresRowsInAppendOrderWithTheirStoredForms) {
    varnel::test::TempFolder folder;
    const DataFiles files(folder.path());
    files.ensureTemplate();
    files.makeFreshWorkingCopy();
    ReportDatabase db(files.workingPath());
    RowBatch batch;
    // Forty rows, the first one written last: row ids keep append order.
    for (int i = 40; i >= 1; --i) {
        PortRecord r;
        r.rowId = i;
        r.port = static_cast<int16_t>(i);
        r.startTime = StoredTime{2004, 5, 12, 10, 15, 30};
        if (i == 1) {
            r.endTime = Nullable<StoredTime>::of(StoredTime{2004, 5, 12, 10, 17, 5});
            r.seconds = Nullable<int32_t>::of(95);
        }
        batch.ports.push_back(r);
    }
    MessageRecord m;
    m.time = StoredTime{0, 0, 0, 10, 15, 0};
    m.guid = batch.addText("{x'); DROP TABLE RawPortData;--}");
    m.messageSize = Nullable<double>::of(0.25);
    batch.messages.push_back(m);
    {
        RawWriter writer(db);
        writer.take(batch);
        writer.commit();
    }
    EXPECT_TRUE(batch.empty());
    SQLite::Statement ports(db.connection(), "SELECT Port, StartTime, EndTime, Seconds, EndMinute FROM RawPortData");
    ASSERT_TRUE(ports.executeStep());
    EXPECT_EQ(ports.getColumn(0).getInt(), 1);
    EXPECT_EQ(ports.getColumn(1).getString(), "2004-05-12 10:15:30");
    EXPECT_EQ(ports.getColumn(2).getString(), "2004-05-12 10:17:05");
    EXPECT_EQ(ports.getColumn(3).getInt(), 95);
    EXPECT_TRUE(ports.getColumn(4).isNull());
    ASSERT_TRUE(ports.executeStep());
    EXPECT_EQ(ports.getColumn(0).getInt(), 2);
    EXPECT_TRUE(ports.getColumn(2).isNull());
    EXPECT_EQ(db.rowCount("RawPortData"), 40);

    SQLite::Statement message(db.connection(),
                              "SELECT Time, MessageGUID, MessageSize, MessagesInQueue FROM RawMessageData");
    ASSERT_TRUE(message.executeStep());
    EXPECT_EQ(message.getColumn(0).getString(), "10:15:00");
    EXPECT_EQ(message.getColumn(1).getString(), "{x'); DROP TABLE RawPortData;--}");
    EXPECT_EQ(message.getColumn(2).getDouble(), 0.25);
    EXPECT_TRUE(message.getColumn(3).isNull());
}

TEST(RawWriter, RowsAppendedAndPlacedKeepTheirRowIds) {
    varnel::test::TempFolder folder;
    const DataFiles files(folder.path());
    files.ensureTemplate();
    files.makeFreshWorkingCopy();
    ReportDatabase db(files.workingPath());
    const auto portRow = [](int64_t id) {
        PortRecord r;
        r.rowId = id;
        r.port = static_cast<int16_t>(id);
        return r;
    };
    {
        RawWriter writer(db);
        // Rows 1..70 but 5, then 5 in a later batch, which also leaves a gap
        // at 71..72 that 71 and 72 fill afterwards.
        RowBatch batch;
        for (int64_t id = 1; id <= 70; ++id)
            if (id != 5) batch.ports.push_back(portRow(id));
        writer.take(batch);
        for (int64_t id : {5, 73, 74, 71, 72, 75}) batch.ports.push_back(portRow(id));
        writer.take(batch);
        writer.commit();
    }
    SQLite::Statement rows(db.connection(), "SELECT rowid, Port FROM RawPortData");
    int64_t expected = 1;
    while (rows.executeStep()) {
        EXPECT_EQ(rows.getColumn(0).getInt64(), expected);
        EXPECT_EQ(rows.getColumn(1).getInt64(), expected);
        ++expected;
    }
    EXPECT_EQ(expected, 76);
}

TEST(DataFiles, TemplateOfAnEarlierBuildIsMadeAgain) {
    varnel::test::TempFolder folder;
    const DataFiles files(folder.path());
    {
        SQLite::Database old(files.templatePath().toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        old.exec("CREATE TABLE RawPortData (Port INTEGER)");
    }
    QFile::setPermissions(files.templatePath(), QFileDevice::ReadOwner);
    files.ensureTemplate();
    files.makeFreshWorkingCopy();
    ReportDatabase db(files.workingPath());
    EXPECT_EQ(columnsOf(db, "RawPortData").size(), 9);
    EXPECT_EQ(columnsOf(db, "NodeTraffic").size(), 6);

    folder.write(DataFiles::templateFileName, "not a database");
    files.ensureTemplate();
    files.makeFreshWorkingCopy();
    ReportDatabase again(files.workingPath());
    EXPECT_EQ(again.rowCount("MessageLatency"), 0);
}
