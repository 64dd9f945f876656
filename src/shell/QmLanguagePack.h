// A language pack compiled by Qt Linguist (a .qm file): for each id of the
// string table, the translation of context "StringTable" whose source text is
// the English text and whose disambiguation is the id.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::shell {

inline constexpr const char* stringTableContext = "StringTable";

// No pack comes near this size (the whole German table is 30 KB); a larger
// file is refused before it is read into memory.
inline constexpr int64_t maxLanguagePackBytes = 16 * 1024 * 1024;

class QmLanguagePack;

struct LoadedLanguagePack {
    std::shared_ptr<const QmLanguagePack> pack;  // null when it cannot be used
    QString problem;                             // why, when pack is null
};

class QmLanguagePack : public LanguagePack {
public:
    // The pack of the file. Only a regular file (links followed) of at most
    // maxLanguagePackBytes is read, and only one whose structure passed
    // qmPackProblem reaches Qt. Every text is read at once, so the pack can
    // be asked from any thread.
    static LoadedLanguagePack load(const QString& path);
    // The same for the bytes of a pack.
    static LoadedLanguagePack fromBytes(QByteArrayView bytes);

    std::optional<QString> text(int id) const override;

private:
    QmLanguagePack() = default;

    std::array<QString, englishStringCount> texts_;
};

}  // namespace varnel::shell
