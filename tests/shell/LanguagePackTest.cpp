// Compiled language packs: the German pack covers the whole table in a form
// the program can use, a pack lacking an id falls back to English, and a
// damaged pack, or a name that leads to no regular file, is refused with its
// reason instead of crashing or hanging the program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>

#include "DamagedPack.h"
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

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray big32(uint32_t value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (24 - 8 * i));
    return bytes;
}

// A pack made of the given sections (tag and bytes) after the file's magic.
QByteArray packOf(std::initializer_list<std::pair<unsigned char, QByteArray>> sections) {
    QByteArray pack = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    for (const auto& [tag, bytes] : sections) pack += static_cast<char>(tag) + big32(bytes.size()) + bytes;
    return pack;
}

// A message section of one field (tag and length) with what follows it.
QByteArray field(unsigned char tag, uint32_t length, const QByteArray& rest = {}) {
    return static_cast<char>(tag) + big32(length) + rest;
}

// A hash section pointing at the given message offsets.
QByteArray hashes(std::initializer_list<uint32_t> offsets) {
    QByteArray bytes;
    for (uint32_t offset : offsets) bytes += big32(0x1234) + big32(offset);
    return bytes;
}

constexpr unsigned char contextsTag = 0x2f, hashesTag = 0x42, messagesTag = 0x69, dependenciesTag = 0x96;

std::string problemOf(const QByteArray& bytes) {
    const LoadedLanguagePack loaded = QmLanguagePack::fromBytes(bytes);
    EXPECT_EQ(loaded.pack == nullptr, !loaded.problem.isEmpty());
    return loaded.problem.toStdString();
}

}  // namespace

TEST(LanguagePack, GermanPackHasEveryIdInTheFormOfItsEnglishText) {
    const auto pack = QmLanguagePack::load(test::germanPack).pack;
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

    const auto french = QmLanguagePack::load(test::frenchPack).pack;
    ASSERT_NE(french, nullptr);
    setLanguagePack(french);
    EXPECT_EQ(myLoadResString(42), QString::fromUtf8("Charger les données"));
    EXPECT_EQ(myLoadResString(94), "Run Report");
    EXPECT_EQ(myLoadResString(0), " Number=");

    setLanguagePack(QmLanguagePack::load(test::germanPack).pack);
    EXPECT_EQ(myLoadResString(94), "Bericht erstellen");
    EXPECT_EQ(myLoadResString(34), QString::fromUtf8("Stunde, Max. belegte Ports, Min. freie Ports für Anrufe"));
    test::resetLanguage();
    EXPECT_EQ(myLoadResString(94), "Run Report");
}

TEST(LanguagePack, ACompressedPackWithItsTableOfContextsGivesTheSameTexts) {
    const auto plain = QmLanguagePack::load(test::frenchPack).pack;
    const LoadedLanguagePack compressed = QmLanguagePack::load(test::compressedFrenchPack);
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(compressed.pack, nullptr) << compressed.problem.toStdString();
    for (int id = 0; id < englishStringCount; ++id) EXPECT_EQ(compressed.pack->text(id), plain->text(id)) << id;
    EXPECT_EQ(compressed.pack->text(42), QString::fromUtf8("Charger les données"));
}

TEST(LanguagePack, MissingOrDamagedFilesGiveNoPack) {
    const test::TempFolder folder;
    EXPECT_EQ(QmLanguagePack::load(folder.file("brandingres_DEU.qm")).pack, nullptr);
    const auto notAPack = QmLanguagePack::load(folder.write("brandingres_XYZ.qm", "not a translation file"));
    EXPECT_EQ(notAPack.pack, nullptr);
    EXPECT_EQ(notAPack.problem, "it is not a compiled translation file");
    // Only the file named is read, never one whose name Qt would derive.
    ASSERT_TRUE(test::placePack(folder, test::germanPack, "brandingres.qm"));
    EXPECT_EQ(QmLanguagePack::load(folder.file("brandingres_ITA.qm")).pack, nullptr);
    EXPECT_NE(QmLanguagePack::load(folder.file("brandingres.qm")).pack, nullptr);
}

TEST(LanguagePack, ADamagedPackIsRefusedWithItsReason) {
    // A byte of the German pack's messages changed: Qt read past the file.
    const QByteArray german = test::withDamagedMessages(fileBytes(test::germanPack));
    EXPECT_EQ(problemOf(german), "its table of messages is damaged");

    const std::string messages = "its table of messages is damaged";
    const std::string contexts = "its table of contexts is damaged";
    const QByteArray end = field(1, 0).left(1);
    // Sound packs of the same make, which every case below breaks once.
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}, {messagesTag, field(3, 2, "ab") + end}})), "");
    EXPECT_EQ(problemOf(packOf({{contextsTag, QByteArray::fromHex("000100010000017800")}})), "");

    // Translations and texts longer than what is left, or "negative".
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}, {messagesTag, field(3, 200, "ab") + end}})), messages);
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}, {messagesTag, field(3, 0xFFFFFFFE, "ab") + end}})), messages);
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}, {messagesTag, field(6, 9, "abc")}})), messages);
    // A length cut by the section's end, and an empty comment with nothing
    // after it, which Qt still peeks at.
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}, {messagesTag, field(7, 0).left(3)}})), messages);
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}, {messagesTag, field(8, 0)}})), messages);
    // A message offset past the messages, or into a damaged later field.
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0, 99})}, {messagesTag, end}})), messages);
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}, {messagesTag, field(5, 0) + field(3, 50)}})), messages);
    // A hash table of part of a pair.
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0}) + QByteArray(4, '\0')}, {messagesTag, end}})), messages);

    // Contexts: a table of no buckets (a division by zero), a table longer
    // than its section, a bucket past the lists, a list without its end.
    EXPECT_EQ(problemOf(packOf({{contextsTag, QByteArray::fromHex("00000000")}})), contexts);
    EXPECT_EQ(problemOf(packOf({{contextsTag, QByteArray::fromHex("00050001")}})), contexts);
    EXPECT_EQ(problemOf(packOf({{contextsTag, QByteArray::fromHex("000100090000017800")}})), contexts);
    EXPECT_EQ(problemOf(packOf({{contextsTag, QByteArray::fromHex("0001000100000578")}})), contexts);

    EXPECT_EQ(problemOf(packOf({{dependenciesTag, QByteArray::fromHex("000000020078")}})),
              "it names other translation files to load");
    EXPECT_EQ(problemOf(packOf({{hashesTag, hashes({0})}}).chopped(3)), "a section runs past the end of the file");
}

TEST(LanguagePack, NoChangeOfOneByteOrCutOfAPackCrashesTheLoad) {
    // A small fuzzing of the French pack, every byte at once; a crash here
    // is the failure.
    const QByteArray french = fileBytes(test::frenchPack);
    ASSERT_FALSE(french.isEmpty());
    int refused = 0;
    for (qsizetype at = 0; at < french.size(); ++at) {
        for (const char value : {'\x00', '\x01', '\x28', '\x7f', '\x80', '\xff'}) {
            QByteArray changed = french;
            changed[at] = value;
            refused += QmLanguagePack::fromBytes(changed).pack == nullptr;
        }
        refused += QmLanguagePack::fromBytes(french.left(at)).pack == nullptr;
    }
    EXPECT_GT(refused, 0);
    EXPECT_NE(QmLanguagePack::fromBytes(french).pack, nullptr);
}

TEST(LanguagePack, OnlyARegularFileOfAtMostSixteenMegabytesIsRead) {
    const test::TempFolder folder;
    // A name that leads to a device would be read for ever, a FIFO would be
    // waited on: both are refused at once.
    ASSERT_TRUE(QFile::link("/dev/zero", folder.file("brandingres_DEU.qm")));
    EXPECT_EQ(QmLanguagePack::load(folder.file("brandingres_DEU.qm")).problem, "it is a device, not a regular file");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file("brandingres_FRA.qm")).constData(), 0600), 0);
    EXPECT_EQ(QmLanguagePack::load(folder.file("brandingres_FRA.qm")).problem, "it is a FIFO, not a regular file");
    ASSERT_TRUE(QDir(folder.path()).mkdir("brandingres_ITA.qm"));
    EXPECT_EQ(QmLanguagePack::load(folder.file("brandingres_ITA.qm")).problem, "it is a folder, not a regular file");

    const QString large = folder.file("brandingres_ESP.qm");
    ASSERT_TRUE(test::placePack(folder, test::germanPack, "brandingres_ESP.qm"));
    ASSERT_EQ(::truncate(QFile::encodeName(large).constData(), maxLanguagePackBytes + 1), 0);
    EXPECT_EQ(QmLanguagePack::load(large).problem, "it is larger than 16 MB");
    ASSERT_EQ(::truncate(QFile::encodeName(large).constData(), maxLanguagePackBytes), 0);
    EXPECT_NE(QmLanguagePack::load(large).pack, nullptr);
}
