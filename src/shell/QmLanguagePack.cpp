#include "shell/QmLanguagePack.h"

#include <QTranslator>

#include "platform/RegularFile.h"
#include "shell/QmPackCheck.h"

namespace varnel::shell {

LoadedLanguagePack QmLanguagePack::load(const QString& path) {
    // Read into memory by the program itself: QTranslator::load(fileName)
    // would also try other files whose names it derives from the one given,
    // and would read a device or wait on a FIFO.
    QString problem;
    const auto bytes = platform::readRegularFile(path, maxLanguagePackBytes, problem);
    if (!bytes) return {nullptr, problem};
    return fromBytes(*bytes);
}

LoadedLanguagePack QmLanguagePack::fromBytes(QByteArrayView bytes) {
    if (const auto problem = qmPackProblem(bytes, stringTableContext)) return {nullptr, *problem};
    QTranslator translator;
    if (!translator.load(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())))
        return {nullptr, QStringLiteral("it is not a translation file that Qt can read")};

    std::shared_ptr<QmLanguagePack> pack(new QmLanguagePack);
    for (int id = 0; id < englishStringCount; ++id) {
        const QByteArray disambiguation = QByteArray::number(id);
        pack->texts_[static_cast<std::size_t>(id)] = translator.translate(
            stringTableContext, englishStrings[static_cast<std::size_t>(id)], disambiguation.constData());
    }
    return {std::move(pack), {}};
}

std::optional<QString> QmLanguagePack::text(int id) const {
    if (id < 0 || id >= englishStringCount) return std::nullopt;
    const QString& translated = texts_[static_cast<std::size_t>(id)];
    if (translated.isEmpty()) return std::nullopt;
    return translated;
}

}  // namespace varnel::shell
