// The language choice of the program (modLocalize): the current language as a
// Windows language identifier, the codes and names of languages, the language
// packs found in the data folder and the loading of the current one.
#pragma once

#include <QString>
#include <QStringList>

namespace varnel::shell {

// The identifier of the program's own English texts.
inline constexpr int englishUnitedStates = 1033;

// 0 until a language is chosen or InitalizeLanguages first runs.
int currentLanguage();
void setCurrentLanguage(int langId);

// The three-letter code of an identifier ("DEU" for 1031); 0 gives "ENU",
// any identifier the table lacks "ERROR".
QString GetLanguageCode(int langId);
// The identifier of a code, compared exactly (letter case matters); any code
// the table lacks gives 1033.
int GetLanguageID(const QString& code);

// The English display name of a language, "German (Germany)"; "(error)" for
// an identifier without one.
QString GetLanguageName(int langId);
QString GetLanguageNameFromCode(const QString& code);

// The user's default language, from the system locale.
int userDefaultLanguage();

// The usual file name of the pack of a code: "brandingres_DEU.qm".
QString languagePackFileName(const QString& code);

// The codes of the packs in folder, in file name order: characters 13 to 15
// of every file whose name begins with "BrandingRes_" in any letter case,
// letter case as in the name. Empty when there are none.
QStringList findLanguagePacks(const QString& folder);

// The path of the pack that findLanguagePacks found for the code (compared
// exactly): the one of the usual name in any letter case, else the first
// listed under the code. Empty when the folder has none.
QString findLanguagePackFile(const QString& folder, const QString& code);

// The captions of the language menu for the listed codes: each language's
// name, with its code added where two entries share a name
// ("Spanish (Spain) [ESP]" and "Spanish (Spain) [ESN]").
QStringList languageMenuCaptions(const QStringList& codes);

// "the language pack <path> cannot be read: <problem>"
QString languagePackProblemText(const QString& path, const QString& problem);

struct LanguageSetup {
    // Never empty: one empty entry when no pack was found.
    QStringList languageList;
    // Whether the pack of the current language is now in use.
    bool packLoaded = false;
    // The message to show when a step failed; empty when all went well.
    QString failure;
};

// Settles the current language (the user's default while it is 0), puts its
// pack from dataFolder in place of the one in use (English when it has none)
// and lists the packs of the folder.
LanguageSetup InitalizeLanguages(const QString& dataFolder);

// The language list of the last InitalizeLanguages (empty before it ran).
QStringList languageList();

}  // namespace varnel::shell
