// The compiled language packs of the build (the German pack and the small
// French one of the tests, also in its compressed form) and a data folder to
// put copies of them in.
#pragma once

#include <QFile>
#include <QString>

#include "TestFiles.h"
#include "shell/Localize.h"
#include "shell/StringTable.h"

namespace varnel::test {

inline const QString germanPack = QStringLiteral(VARNEL_GERMAN_PACK);
inline const QString frenchPack = QStringLiteral(VARNEL_FRENCH_PACK);
// The French pack compiled with a table of contexts.
inline const QString compressedFrenchPack = QStringLiteral(VARNEL_COMPRESSED_FRENCH_PACK);

// Copies a compiled pack into folder under the file name given.
inline bool placePack(const TempFolder& folder, const QString& pack, const QString& fileName) {
    return QFile::copy(pack, folder.file(fileName));
}

// Leaves the program's language as a fresh run has it: no language chosen,
// English texts.
inline void resetLanguage() {
    shell::setCurrentLanguage(0);
    shell::setLanguagePack(nullptr);
}

}  // namespace varnel::test
