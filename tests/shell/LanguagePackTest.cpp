// Compiled language packs: the German pack covers the whole table in a form
// the program can use, and a pack lacking an id falls back to English.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "shell/EnglishStrings.h"
#include "shell/LanguagePackFiles.h"
#include "shell/QmLanguagePack.h"

using namespace varnel;
using namespace varnel::shell;

namespace {

// The string table's comma-separated CSV headers.
constexpr int csvHeaders[] = {33, 34, 50, 51, 76};

// The places where values are filled in: %1, %2 ... in order of their
// numbers ("Zoom %100" has none).
QStringList valuePlaces(const QString& text) {
    static const QRegularExpression place(QStringLiteral("%[1-9](?![0-9])"));
    QStringList places;
    for (auto it = place.globalMatch(text); it.hasNext();) places << it.next().captured();
    places.sort();
    return places;
}

}  // namespace

TEST(LanguagePack, GermanPackHasEveryIdInTheFormOfItsEnglishText) {
    const auto pack = QmLanguagePack::load(test::germanPack);
    ASSERT_NE(pack, nullptr);
    for (int id = 0; id < englishStringCount; ++id) {
        const auto german = pack->text(id);
        ASSERT_TRUE(german.has_value()) << id;
        const QString english = englishString(id);
        // Texts are joined with others: their blanks at either end stay.
        EXPECT_EQ(german->startsWith(' '), english.startsWith(' ')) << id;
        EXPECT_EQ(german->endsWith(' '), english.endsWith(' ')) << id;
        // Menu captions keep their access key.
        EXPECT_EQ(german->count('&'), english.count('&')) << id;
        // Every value still has its place, and no other value is asked for.
        EXPECT_EQ(valuePlaces(*german), valuePlaces(english)) << id;
    }
    for (int id : csvHeaders)
        EXPECT_EQ(pack->text(id)->count(','), englishString(id).count(',')) << "the columns of CSV header " << id;

    EXPECT_EQ(pack->text(42), "Daten laden");
    EXPECT_EQ(pack->text(10), QString::fromUtf8("Sprache ändern"));
    EXPECT_EQ(pack->text(0), " Nummer=");
    EXPECT_EQ(pack->text(15), "&Beenden");
    // Texts of the same English wording under different ids stay apart.
    EXPECT_EQ(pack->text(27), "Beenden");
    EXPECT_FALSE(pack->text(englishStringCount).has_value());
    EXPECT_FALSE(pack->text(-1).has_value());
}

TEST(LanguagePack, LookupTakesThePackAndFallsBackToEnglishForAnIdItLacks) {
    test::resetLanguage();
    EXPECT_EQ(myLoadResString(42), "Load Data");

    const auto french = QmLanguagePack::load(test::frenchPack);
    ASSERT_NE(french, nullptr);
    setLanguagePack(french);
    EXPECT_EQ(myLoadResString(42), QString::fromUtf8("Charger les données"));
    EXPECT_EQ(myLoadResString(94), "Run Report");
    EXPECT_EQ(myLoadResString(0), " Number=");

    setLanguagePack(QmLanguagePack::load(test::germanPack));
    EXPECT_EQ(myLoadResString(94), "Bericht erstellen");
    EXPECT_EQ(myLoadResString(34), QString::fromUtf8("Stunde, Max. belegte Ports, Min. freie Ports für Anrufe"));
    test::resetLanguage();
    EXPECT_EQ(myLoadResString(94), "Run Report");
}

TEST(LanguagePack, MissingOrDamagedFilesGiveNoPack) {
    const test::TempFolder folder;
    EXPECT_EQ(QmLanguagePack::load(folder.file("brandingres_DEU.qm")), nullptr);
    EXPECT_EQ(QmLanguagePack::load(folder.write("brandingres_XYZ.qm", "not a translation file")), nullptr);
    // Only the file named is read, never one whose name Qt would derive.
    ASSERT_TRUE(test::placePack(folder, test::germanPack, "brandingres.qm"));
    EXPECT_EQ(QmLanguagePack::load(folder.file("brandingres_ITA.qm")), nullptr);
    EXPECT_NE(QmLanguagePack::load(folder.file("brandingres.qm")), nullptr);
}
