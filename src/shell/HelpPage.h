// Which help page the help window shows: the page of the current language
// when the data folder holds one, else the default page.
#pragma once

#include <QString>

namespace varnel::shell {

// The language code used before any language has been chosen.
inline constexpr const char* defaultLanguageCode = "ENU";

// dataFolder/<programBaseName>_<code>.htm when that file exists, else
// dataFolder/<programBaseName>.htm. Blanks around the code are ignored; an
// empty code counts as the default one.
QString helpPageFile(const QString& dataFolder, const QString& programBaseName, const QString& languageCode);

}  // namespace varnel::shell
