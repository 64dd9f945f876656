#include "shell/Localize.h"

#include <QDir>
#include <QLocale>
#include <atomic>

#include "shell/QmLanguagePack.h"
#include "shell/StringTable.h"

namespace varnel::shell {

namespace {

struct Language {
    int langId;
    const char* code;  // "" for a language that only has a name
    QLocale::Language language;
    QLocale::Territory territory;
};

// The identifiers that have a code, then those that only have a name.
constexpr Language languages[] = {
    {1033, "ENU", QLocale::English, QLocale::UnitedStates},
    {2057, "ENG", QLocale::English, QLocale::UnitedKingdom},
    {3081, "ENA", QLocale::English, QLocale::Australia},
    {4105, "ENC", QLocale::English, QLocale::Canada},
    {5129, "ENZ", QLocale::English, QLocale::NewZealand},
    {6153, "ENI", QLocale::English, QLocale::Ireland},
    {1031, "DEU", QLocale::German, QLocale::Germany},
    {2055, "DES", QLocale::German, QLocale::Switzerland},
    {3079, "DEA", QLocale::German, QLocale::Austria},
    {4103, "DEL", QLocale::German, QLocale::Luxembourg},
    {5127, "DEC", QLocale::German, QLocale::Liechtenstein},
    {1034, "ESP", QLocale::Spanish, QLocale::Spain},
    {2058, "ESM", QLocale::Spanish, QLocale::Mexico},
    {3082, "ESN", QLocale::Spanish, QLocale::Spain},
    {4106, "ESG", QLocale::Spanish, QLocale::Guatemala},
    {5130, "ESC", QLocale::Spanish, QLocale::CostaRica},
    {6154, "ESA", QLocale::Spanish, QLocale::Panama},
    {7178, "ESD", QLocale::Spanish, QLocale::DominicanRepublic},
    {8202, "ESV", QLocale::Spanish, QLocale::Venezuela},
    {9226, "ESO", QLocale::Spanish, QLocale::Colombia},
    {10250, "ESR", QLocale::Spanish, QLocale::Peru},
    {11274, "ESS", QLocale::Spanish, QLocale::Argentina},
    {18442, "ESH", QLocale::Spanish, QLocale::Honduras},
    {19466, "ESI", QLocale::Spanish, QLocale::Nicaragua},
    {20490, "ESU", QLocale::Spanish, QLocale::PuertoRico},
    {1036, "FRA", QLocale::French, QLocale::France},
    {2060, "FRB", QLocale::French, QLocale::Belgium},
    {3084, "FRC", QLocale::French, QLocale::Canada},
    {4108, "FRS", QLocale::French, QLocale::Switzerland},
    {5132, "FRL", QLocale::French, QLocale::Luxembourg},
    {1040, "ITA", QLocale::Italian, QLocale::Italy},
    {2064, "ITS", QLocale::Italian, QLocale::Switzerland},
    {1041, "JPN", QLocale::Japanese, QLocale::Japan},
    {1043, "NLD", QLocale::Dutch, QLocale::Netherlands},
    {2067, "NLB", QLocale::Dutch, QLocale::Belgium},
    {1044, "NOR", QLocale::NorwegianBokmal, QLocale::Norway},
    {2068, "NON", QLocale::NorwegianNynorsk, QLocale::Norway},
    {1046, "PTB", QLocale::Portuguese, QLocale::Brazil},
    {2070, "PTG", QLocale::Portuguese, QLocale::Portugal},
    {1042, "", QLocale::Korean, QLocale::SouthKorea},
    {1028, "", QLocale::Chinese, QLocale::Taiwan},
    {2052, "", QLocale::Chinese, QLocale::China},
};

// What the system reports for a locale that has no identifier of its own.
constexpr int customUnspecifiedLanguage = 0x1000;

constexpr const char* packPrefix = "BrandingRes_";
constexpr qsizetype packPrefixLength = 12;
constexpr qsizetype codeLength = 3;

const QString failurePrefix = QStringLiteral("Error in InitalizeLanguages: ");

std::atomic<int> current{0};

// Read and written by the window thread only.
QStringList& lastLanguageList() {
    static QStringList list;
    return list;
}

// The names of the folder's packs, in name order ignoring case: every file
// whose name begins with "BrandingRes_" in any letter case.
QStringList packFileNames(const QString& folder) {
    if (folder.isEmpty()) return {};
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    names.removeIf([](const QString& name) {
        return name.left(packPrefixLength).compare(QLatin1String(packPrefix), Qt::CaseInsensitive) != 0;
    });
    return names;
}

const Language* languageOf(int langId) {
    for (const Language& language : languages)
        if (language.langId == langId) return &language;
    return nullptr;
}

}  // namespace

int currentLanguage() { return current.load(); }

void setCurrentLanguage(int langId) { current.store(langId); }

QString GetLanguageCode(int langId) {
    if (langId == 0) return QStringLiteral("ENU");
    const Language* language = languageOf(langId);
    if (!language || *language->code == '\0') return QStringLiteral("ERROR");
    return QString::fromLatin1(language->code);
}

int GetLanguageID(const QString& code) {
    for (const Language& language : languages)
        if (*language.code != '\0' && code == QLatin1String(language.code)) return language.langId;
    return englishUnitedStates;
}

QString GetLanguageName(int langId) {
    const Language* language = languageOf(langId);
    if (!language) return QStringLiteral("(error)");
    return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(language->language),
                                         QLocale::territoryToString(language->territory));
}

QString GetLanguageNameFromCode(const QString& code) { return GetLanguageName(GetLanguageID(code)); }

QString languagePackProblemText(const QString& path, const QString& problem) {
    return QStringLiteral("the language pack %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), problem);
}

int userDefaultLanguage() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return englishUnitedStates;
    for (const Language& language : languages)
        if (language.language == system.language() && language.territory == system.territory()) return language.langId;
    return customUnspecifiedLanguage;
}

QString languagePackFileName(const QString& code) {
    return QStringLiteral("brandingres_") + code + QStringLiteral(".qm");
}

QStringList findLanguagePacks(const QString& folder) {
    QStringList codes;
    for (const QString& name : packFileNames(folder)) codes << name.mid(packPrefixLength, codeLength);
    return codes;
}

QString findLanguagePackFile(const QString& folder, const QString& code) {
    const QStringList names = packFileNames(folder);
    const QString usual = languagePackFileName(code);
    QString found;
    for (const QString& name : names) {
        if (name.mid(packPrefixLength, codeLength) != code) continue;
        if (name.compare(usual, Qt::CaseInsensitive) == 0) return QDir(folder).filePath(name);
        if (found.isEmpty()) found = QDir(folder).filePath(name);
    }
    return found;
}

QStringList languageMenuCaptions(const QStringList& codes) {
    QStringList names;
    for (const QString& code : codes) names << GetLanguageNameFromCode(code);
    QStringList captions;
    for (qsizetype i = 0; i < codes.size(); ++i)
        captions << (names.count(names[i]) > 1 ? QStringLiteral("%1 [%2]").arg(names[i], codes[i]) : names[i]);
    return captions;
}

LanguageSetup InitalizeLanguages(const QString& dataFolder) {
    LanguageSetup setup;
    if (currentLanguage() == 0) setCurrentLanguage(userDefaultLanguage());

    const QString path = findLanguagePackFile(dataFolder, GetLanguageCode(currentLanguage()));
    // Worded in the language the user read until now, before its pack goes.
    const QString unreadable = failurePrefix + myLoadResString(languagePackUnreadableStringId);
    setLanguagePack(nullptr);
    if (!path.isEmpty()) {
        LoadedLanguagePack loaded = QmLanguagePack::load(path);
        if (loaded.pack) {
            setLanguagePack(std::move(loaded.pack));
            setup.packLoaded = true;
        } else {
            setup.failure = unreadable.arg(QDir::toNativeSeparators(path), loaded.problem);
        }
    }

    setup.languageList = findLanguagePacks(dataFolder);
    if (setup.languageList.isEmpty()) setup.languageList << QString();
    lastLanguageList() = setup.languageList;
    return setup;
}

QStringList languageList() { return lastLanguageList(); }

}  // namespace varnel::shell
