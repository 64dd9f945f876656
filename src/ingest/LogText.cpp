#include "ingest/LogText.h"

#include <QStringDecoder>

namespace varnel::ingest {

namespace {

// Looks at every byte without stopping early, which the compiler turns into
// a few wide operations for a field's length.
bool isAscii(std::string_view bytes) {
    unsigned char highBits = 0;
    for (const char c : bytes) highBits |= static_cast<unsigned char>(c);
    return highBits < 0x80;
}

QString decode(std::string_view bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(view);
}

}  // namespace

QString logText(std::string_view bytes) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decode(bytes);
}

void appendLogTextUtf8(std::string_view bytes, std::string& out) {
    if (isAscii(bytes)) {
        out.append(bytes);
        return;
    }
    out.append(decode(bytes).toStdString());
}

}  // namespace varnel::ingest
