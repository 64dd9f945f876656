#include "shell/QmLanguagePack.h"

#include <QFile>
#include <QTranslator>

namespace varnel::shell {

std::shared_ptr<const QmLanguagePack> QmLanguagePack::load(const QString& path) {
    // Read from memory: QTranslator::load(fileName) would also try other
    // files whose names it derives from the one given.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = file.readAll();
    QTranslator translator;
    if (!translator.load(reinterpret_cast<const uchar*>(bytes.constData()), static_cast<int>(bytes.size())))
        return nullptr;

    std::shared_ptr<QmLanguagePack> pack(new QmLanguagePack);
    for (int id = 0; id < englishStringCount; ++id) {
        const QByteArray disambiguation = QByteArray::number(id);
        pack->texts_[static_cast<std::size_t>(id)] = translator.translate(
            stringTableContext, englishStrings[static_cast<std::size_t>(id)], disambiguation.constData());
    }
    return pack;
}

std::optional<QString> QmLanguagePack::text(int id) const {
    if (id < 0 || id >= englishStringCount) return std::nullopt;
    const QString& translated = texts_[static_cast<std::size_t>(id)];
    if (translated.isEmpty()) return std::nullopt;
    return translated;
}

}  // namespace varnel::shell
