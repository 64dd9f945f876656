// The node choice of a report request and the long time texts.
#include <gtest/gtest.h>

#include <QLocale>

#include "reports/LaunchChecks.h"
#include "reports/TimeText.h"

namespace {

using namespace varnel::reports;

TEST(NodeChoiceTest, RowsFollowListOrderAndOnlySelectedEntriesWhileLimiting) {
    NodeChoice nodes;
    nodes.veyraEntries = {QStringLiteral("512"), QStringLiteral("12"), QStringLiteral("7")};
    nodes.selectedVeyra = {QStringLiteral("7"), QStringLiteral("512")};
    EXPECT_EQ(nodes.veyraRowEntries(), nodes.veyraEntries);
    nodes.limitNodes = true;
    EXPECT_EQ(nodes.veyraRowEntries(), (QStringList{QStringLiteral("512"), QStringLiteral("7")}));
    EXPECT_EQ(nodeValue(QStringLiteral(" 42abc")), 42.0);
}

}  // namespace

TEST(LongTimeTextsTest, RepeatedAndChangingTimesGiveTheSingleTimeTexts) {
    varnel::reports::LongTimeTexts texts;
    for (const QTime time : {QTime(0, 1), QTime(0, 1), QTime(13, 5, 9), QTime(0, 1), QTime(23, 59, 59)})
        EXPECT_EQ(texts.text(time), varnel::reports::longTimeText(time));
    EXPECT_EQ(texts.text(QTime(13, 5, 9)), QStringLiteral("13:05:09"));  // under LC_ALL=C
}

TEST(LongTimeTextsTest, NoLocaleKeepsAPieceOfItsTimeZonePart) {
    using varnel::reports::timePatternWithoutZone;
    // Zone letters outside quotes, empty brackets, and a blank or comma left
    // at either end are all pieces of a zone part not removed whole.
    const auto leftover = [](const QString& pattern) {
        bool quoted = false;
        for (const QChar c : pattern) {
            if (c == '\'') quoted = !quoted;
            if (!quoted && c == 't') return true;
        }
        return pattern.contains("()") || pattern.contains("[]") || pattern.endsWith(',') ||
               pattern != pattern.trimmed();
    };
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString pattern = timePatternWithoutZone(locale.timeFormat(QLocale::LongFormat));
        EXPECT_FALSE(leftover(pattern)) << locale.name().toStdString() << ": " << pattern.toStdString();
        EXPECT_TRUE(pattern.contains('s')) << locale.name().toStdString() << ": " << pattern.toStdString();
    }
    const QLocale persian(QLocale::Persian, QLocale::Iran);
    const QString pattern = timePatternWithoutZone(persian.timeFormat(QLocale::LongFormat));
    EXPECT_EQ(pattern, "H:mm:ss");
    EXPECT_EQ(persian.toString(QTime(0, 5), pattern), QString::fromUtf8("\u06f0:\u06f0\u06f5:\u06f0\u06f0"));
    EXPECT_EQ(timePatternWithoutZone("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(timePatternWithoutZone("t HH:mm:ss"), "HH:mm:ss");
    // Quoted text is the pattern's own, also a quoted t.
    EXPECT_EQ(timePatternWithoutZone("H 'h' mm 'min' ss 's' (t)"), "H 'h' mm 'min' ss 's'");
    EXPECT_EQ(timePatternWithoutZone("H:mm:ss 'at (t)'"), "H:mm:ss 'at (t)'");
}
