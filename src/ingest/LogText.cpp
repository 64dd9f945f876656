#include "ingest/LogText.h"

#include <QStringDecoder>

#include <algorithm>

namespace varnel::ingest {

namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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
