// A language pack compiled by Qt Linguist (a .qm file): for each id of the
// string table, the translation of context "StringTable" whose source text is
// the English text and whose disambiguation is the id.
#pragma once

#include <QString>
#include <array>
#include <memory>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::shell {

inline constexpr const char* stringTableContext = "StringTable";

class QmLanguagePack : public LanguagePack {
public:
    // The pack of the file, or nullptr when the file is missing or is not a
    // translation file. Every text is read at once, so the pack can be asked
    // from any thread.
    static std::shared_ptr<const QmLanguagePack> load(const QString& path);

    std::optional<QString> text(int id) const override;

private:
    QmLanguagePack() = default;

    std::array<QString, englishStringCount> texts_;
};

}  // namespace varnel::shell
