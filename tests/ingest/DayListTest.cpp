// Which files are call logs and which days they give.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "ingest/DayList.h"

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
