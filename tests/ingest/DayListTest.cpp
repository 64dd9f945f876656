// Which files are call logs and which days they give, whatever bytes their
// names hold and whatever else the folder holds.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>

#include "TestFiles.h"
#include "ingest/DayList.h"
#include "platform/FileNameBytes.h"

using namespace varnel::ingest;
using varnel::test::TempFolder;

TEST(DayList, ListsEachDayOnceInAscendingOrder) {
    TempFolder folder;
    for (const char* name :
         {"calllog_20040513.log", "CallLog_20040512_2.log", "CallLog_20040512.log", "CallLog_19891231.log",
          "CallLog_abc.log", "CallLog_20041340.log", "other.log", "CALLLOG_20040511.txt"})
        folder.write(QString::fromLatin1(name), "x\n");
    const QList<QDate> days = logDays(folder.path());
    EXPECT_EQ(days, (QList<QDate>{QDate(2004, 5, 11), QDate(2004, 5, 12), QDate(2004, 5, 13)}));

    const QStringList files = logFilesOfDay(folder.path(), QDate(2004, 5, 12));
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].endsWith("CallLog_20040512.log"));
    EXPECT_TRUE(files[1].endsWith("CallLog_20040512_2.log"));
}

TEST(DayList, OnlyFilesAndLinksToThemGiveDays) {
    TempFolder folder, elsewhere;
    folder.write("CallLog_20040512.log", "x\n");
    ASSERT_TRUE(QDir(folder.path()).mkdir("CallLog_20040520"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file("CallLog_20040521.log")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/null", folder.file("CallLog_20040522.log")));
    ASSERT_TRUE(QFile::link(elsewhere.path(), folder.file("CallLog_20040523.log")));
    ASSERT_TRUE(QFile::link(elsewhere.write("day.log", "x\n"), folder.file("CallLog_20040524.log")));
    // A link that leads nowhere is listed: the load names the log it could
    // not read, rather than the day going missing without a word.
    ASSERT_TRUE(QFile::link(elsewhere.file("gone.log"), folder.file("CallLog_20040525.log")));
    EXPECT_EQ(logDays(folder.path()), (QList<QDate>{QDate(2004, 5, 12), QDate(2004, 5, 24), QDate(2004, 5, 25)}));
    // The load reads what the day list counts: a folder with a log's name is
    // passed over beside a log of its day.
    const QString log = folder.write("CallLog_20040520_2.log", "x\n");
    EXPECT_EQ(logDays(folder.path()).size(), 4);
    EXPECT_EQ(logFilesOfDay(folder.path(), QDate(2004, 5, 20)), QStringList{log});
    EXPECT_EQ(logFilesOfDay(folder.path(), QDate(2004, 5, 25)), QStringList{folder.file("CallLog_20040525.log")});
}

TEST(DayList, NamesThatAreNotUtf8AreListedAndKeepTheirBytes) {
    TempFolder parent;
    // The folder's own name holds a byte that is no UTF-8 either.
    const QString folder = parent.makeFolderBytesNamed("logs \xfe");
    const QString odd = parent.writeBytesNamed("logs \xfe/CallLog_20040512_\xff.log", "x\n");
    parent.writeBytesNamed("logs \xfe/CallLog_20040512.log", "x\n");
    parent.writeBytesNamed("logs \xfe/CallLog_20040513_\xc0\x80.log", "x\n");
    EXPECT_EQ(logDays(folder), (QList<QDate>{QDate(2004, 5, 12), QDate(2004, 5, 13)}));
    const QStringList files = logFilesOfDay(folder, QDate(2004, 5, 12));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[1], odd);
    EXPECT_EQ(varnel::platform::fileNameBytes(files[1]),
              QFile::encodeName(parent.path()) + "/logs \xfe/CallLog_20040512_\xff.log");
    EXPECT_EQ(logFilesOfDay(folder, QDate(2004, 5, 13)).size(), 1);
}

TEST(DayList, MissingOrEmptyFolderGivesNoDays) {
    EXPECT_TRUE(logDays(QStringLiteral("/no/such/folder")).isEmpty());
    EXPECT_TRUE(logDays(QString()).isEmpty());
}

TEST(DayList, EntryTextRoundTrips) {
    const QLocale c(QLocale::C);
    const QString entry = dayEntryText(QDate(2004, 5, 12), c);
    EXPECT_EQ(entry, QStringLiteral("05/12/2004 Wednesday"));
    EXPECT_EQ(dayFromEntry(entry), QDate(2004, 5, 12));
    EXPECT_EQ(dayEntryText(QDate(2004, 5, 12), QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("05.12.2004 Mittwoch"));
    EXPECT_FALSE(dayFromEntry(QStringLiteral("13/40/2004 x")).has_value());
    EXPECT_FALSE(dayFromEntry(QStringLiteral("short")).has_value());
}

TEST(DayList, FileDateNeedsDigitsOfARealDay) {
    EXPECT_EQ(logFileDate(QStringLiteral("CALLLOG_20040229_x.log")), QDate(2004, 2, 29));
    EXPECT_FALSE(logFileDate(QStringLiteral("CallLog_20030229.log")).has_value());
    EXPECT_FALSE(logFileDate(QStringLiteral("CallLog_2004051.log")).has_value());
    EXPECT_FALSE(logFileDate(QStringLiteral("XCallLog_20040512.log")).has_value());
}
