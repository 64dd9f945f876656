// The language codes and names, the packs found in a folder and the settling
// of the current language.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <set>

#include "shell/LanguagePackFiles.h"
#include "shell/Localize.h"
#include "shell/ProgramVersion.h"

using namespace varnel;
using namespace varnel::shell;

namespace {

class Localize : public ::testing::Test {
protected:
    void SetUp() override { test::resetLanguage(); }
    void TearDown() override { test::resetLanguage(); }
};

}  // namespace

TEST_F(Localize, CodeTableHasItsThirtyNinePairsBothWays) {
    std::set<QString> codes;
    int known = 0;
    for (int langId = 1; langId <= 0xFFFF; ++langId) {
        const QString code = GetLanguageCode(langId);
        if (code == "ERROR") continue;
        ++known;
        EXPECT_TRUE(codes.insert(code).second) << "code given twice: " << code.toStdString();
        EXPECT_EQ(GetLanguageID(code), langId) << code.toStdString();
    }
    EXPECT_EQ(known, 39);
    EXPECT_EQ(GetLanguageCode(1031), "DEU");
    EXPECT_EQ(GetLanguageCode(0x480A), "ESH");
    EXPECT_EQ(GetLanguageCode(2068), "NON");
    EXPECT_EQ(GetLanguageCode(0), "ENU");
    // Korean has a name and a font but no code.
    EXPECT_EQ(GetLanguageCode(1042), "ERROR");
    EXPECT_EQ(GetLanguageCode(-1), "ERROR");
    // Codes compare exactly; anything unknown is English.
    EXPECT_EQ(GetLanguageID("deu"), englishUnitedStates);
    EXPECT_EQ(GetLanguageID("DEU "), englishUnitedStates);
    EXPECT_EQ(GetLanguageID(""), englishUnitedStates);
    EXPECT_EQ(GetLanguageID("ERROR"), englishUnitedStates);
}

TEST_F(Localize, LanguageNamesComeFromTheLocaleData) {
    EXPECT_EQ(GetLanguageName(1031), "German (Germany)");
    EXPECT_EQ(GetLanguageName(1033), "English (United States)");
    EXPECT_EQ(GetLanguageName(2057), "English (United Kingdom)");
    EXPECT_EQ(GetLanguageName(3084), "French (Canada)");
    EXPECT_EQ(GetLanguageName(2052), "Chinese (China)");
    EXPECT_EQ(GetLanguageName(0), "(error)");
    EXPECT_EQ(GetLanguageName(4096), "(error)");
    EXPECT_EQ(GetLanguageNameFromCode("DEU"), "German (Germany)");
    EXPECT_EQ(GetLanguageNameFromCode("PTB"), "Portuguese (Brazil)");
    EXPECT_EQ(GetLanguageNameFromCode("deu"), "English (United States)");
    // Every code of the table has a name.
    for (int langId = 1; langId <= 0xFFFF; ++langId) {
        if (GetLanguageCode(langId) != "ERROR") {
            EXPECT_NE(GetLanguageName(langId), "(error)") << langId;
        }
    }
}

TEST_F(Localize, PacksAreFoundByTheirPrefixInAnyLetterCase) {
    const test::TempFolder folder;
    folder.write("brandingres_DEU.qm", "");
    folder.write("BRANDINGRES_fra.qm", "");
    folder.write("BrandingRes_X", "");
    folder.write("brandingres.qm", "");
    folder.write("branding_DEU.qm", "");
    QDir(folder.path()).mkdir("BrandingRes_DIR");
    EXPECT_EQ(findLanguagePacks(folder.path()), (QStringList{"DEU", "fra", "X"}));

    const test::TempFolder empty;
    EXPECT_TRUE(findLanguagePacks(empty.path()).isEmpty());
    EXPECT_TRUE(findLanguagePacks(empty.file("missing")).isEmpty());
    EXPECT_EQ(languagePackFileName("DEU"), "brandingres_DEU.qm");
}

TEST_F(Localize, WithoutPacksTheListHoldsOneEmptyEntryAndTextsStayEnglish) {
    const test::TempFolder folder;
    const LanguageSetup setup = InitalizeLanguages(folder.path());
    EXPECT_EQ(setup.languageList, QStringList{QString()});
    EXPECT_EQ(languageList(), QStringList{QString()});
    EXPECT_FALSE(setup.packLoaded);
    EXPECT_TRUE(setup.failure.isEmpty());
    // The first run settles the user's default language.
    EXPECT_NE(currentLanguage(), 0);
    EXPECT_EQ(currentLanguage(), userDefaultLanguage());
    EXPECT_EQ(myLoadResString(42), "Load Data");
}

TEST_F(Localize, TheCurrentLanguagesPackIsLoadedAndReleased) {
    const test::TempFolder folder;
    ASSERT_TRUE(test::placePack(folder, test::germanPack, "brandingres_DEU.qm"));
    ASSERT_TRUE(test::placePack(folder, test::frenchPack, "brandingres_FRA.qm"));

    setCurrentLanguage(1031);
    LanguageSetup setup = InitalizeLanguages(folder.path());
    EXPECT_TRUE(setup.packLoaded);
    EXPECT_EQ(setup.languageList, (QStringList{"DEU", "FRA"}));
    EXPECT_EQ(myLoadResString(42), "Daten laden");

    setCurrentLanguage(1036);
    setup = InitalizeLanguages(folder.path());
    EXPECT_TRUE(setup.packLoaded);
    EXPECT_EQ(myLoadResString(42), QString::fromUtf8("Charger les données"));
    EXPECT_EQ(myLoadResString(94), "Run Report");

    // A language outside the code table has the code ERROR and no pack.
    setCurrentLanguage(4096);
    setup = InitalizeLanguages(folder.path());
    EXPECT_FALSE(setup.packLoaded);
    EXPECT_TRUE(setup.failure.isEmpty());
    EXPECT_EQ(myLoadResString(42), "Load Data");
}

TEST_F(Localize, ALowerCaseCodeIsListedAsItIsAndSelectsEnglish) {
    const test::TempFolder folder;
    ASSERT_TRUE(test::placePack(folder, test::germanPack, "brandingres_deu.qm"));
    setCurrentLanguage(1031);
    const LanguageSetup setup = InitalizeLanguages(folder.path());
    EXPECT_EQ(setup.languageList, QStringList{"deu"});
    EXPECT_EQ(GetLanguageID(setup.languageList.first()), englishUnitedStates);
    // The pack of DEU is brandingres_DEU.qm, which this folder lacks.
    EXPECT_FALSE(setup.packLoaded);
    EXPECT_EQ(myLoadResString(42), "Load Data");
}

TEST_F(Localize, APackIsLoadedFromTheFileFoundWhateverTheCaseOfItsPrefix) {
    const test::TempFolder folder;
    ASSERT_TRUE(test::placePack(folder, test::germanPack, "BrandingRes_DEU.qm"));
    ASSERT_TRUE(test::placePack(folder, test::frenchPack, "BRANDINGRES_FRA.QM"));
    EXPECT_EQ(findLanguagePackFile(folder.path(), "DEU"), folder.file("BrandingRes_DEU.qm"));
    EXPECT_TRUE(findLanguagePackFile(folder.path(), "deu").isEmpty());
    setCurrentLanguage(1031);
    EXPECT_TRUE(InitalizeLanguages(folder.path()).packLoaded);
    EXPECT_EQ(myLoadResString(42), "Daten laden");
    setCurrentLanguage(1036);
    EXPECT_TRUE(InitalizeLanguages(folder.path()).packLoaded);
    EXPECT_EQ(myLoadResString(42), QString::fromUtf8("Charger les données"));

    // Of two files listed under one code, the one of the usual name is read,
    // in whatever letter case; a copy beside it with another ending is not.
    ASSERT_TRUE(test::placePack(folder, test::frenchPack, "brandingres_DEU.qm.old"));
    EXPECT_EQ(findLanguagePackFile(folder.path(), "DEU"), folder.file("BrandingRes_DEU.qm"));
    const test::TempFolder other;
    ASSERT_TRUE(test::placePack(other, test::germanPack, "BrandingRes_DEU"));
    EXPECT_EQ(findLanguagePackFile(other.path(), "DEU"), other.file("BrandingRes_DEU"));
}

TEST_F(Localize, LanguagesOfTheSameNameAreToldApartByTheirCodesInTheMenu) {
    EXPECT_EQ(languageMenuCaptions({"DEU", "ESP", "ESN", "FRA"}),
              (QStringList{"German (Germany)", "Spanish (Spain) [ESP]", "Spanish (Spain) [ESN]", "French (France)"}));
    // A code the table lacks selects English, and so is named English.
    EXPECT_EQ(languageMenuCaptions({"deu", "ENU"}),
              (QStringList{"English (United States) [deu]", "English (United States) [ENU]"}));
    EXPECT_EQ(languageMenuCaptions({"DEU"}), QStringList{"German (Germany)"});
}

TEST_F(Localize, ADamagedPackIsReportedAndTheEnglishTextsAreUsed) {
    const test::TempFolder folder;
    ASSERT_TRUE(test::placePack(folder, test::frenchPack, "brandingres_FRA.qm"));
    setCurrentLanguage(1036);
    ASSERT_TRUE(InitalizeLanguages(folder.path()).packLoaded);

    folder.write("brandingres_DEU.qm", "damaged");
    setCurrentLanguage(1031);
    const LanguageSetup setup = InitalizeLanguages(folder.path());
    EXPECT_FALSE(setup.packLoaded);
    EXPECT_TRUE(setup.failure.startsWith("Error in InitalizeLanguages: ")) << setup.failure.toStdString();
    EXPECT_EQ(setup.failure, "Error in InitalizeLanguages: the language pack " +
                                 QDir::toNativeSeparators(folder.file("brandingres_DEU.qm")) +
                                 " cannot be read: it is not a compiled translation file; the English texts are "
                                 "used instead.");
    EXPECT_EQ(setup.languageList, (QStringList{"DEU", "FRA"}));
    // The French pack was released, not kept.
    EXPECT_EQ(myLoadResString(42), "Load Data");
}

TEST_F(Localize, AnUnreadablePackIsSaidInTheLanguageTheUserReadUntilThen) {
    const test::TempFolder folder;
    ASSERT_TRUE(test::placePack(folder, test::germanPack, "brandingres_DEU.qm"));
    setCurrentLanguage(1031);
    ASSERT_TRUE(InitalizeLanguages(folder.path()).packLoaded);

    folder.write("brandingres_FRA.qm", "damaged");
    setCurrentLanguage(1036);
    const LanguageSetup setup = InitalizeLanguages(folder.path());
    EXPECT_FALSE(setup.packLoaded);
    EXPECT_EQ(setup.failure,
              QStringLiteral("Error in InitalizeLanguages: ") +
                  QString::fromUtf8("das Sprachpaket %1 kann nicht gelesen werden: %2; stattdessen werden "
                                    "die englischen Texte verwendet.")
                      .arg(QDir::toNativeSeparators(folder.file("brandingres_FRA.qm")),
                           QStringLiteral("it is not a compiled translation file")));
    EXPECT_EQ(myLoadResString(42), "Load Data");
}

TEST_F(Localize, TheCLocaleIsUnitedStatesEnglish) {
    if (QLocale::system().language() != QLocale::C) GTEST_SKIP() << "runs under LC_ALL=C";
    EXPECT_EQ(userDefaultLanguage(), englishUnitedStates);
}

TEST(ProgramVersion, VersionTextHasItsBlanks) {
    EXPECT_EQ(versionText({2, 1, 37}), " 2.1 Build 37");
    EXPECT_EQ(versionText({10, 0, 0}), " 10.0 Build 0");
}
