#include "platform/FileNameBytes.h"

namespace varnel::platform {

namespace {

constexpr char16_t escapeBase = 0xDC00;
constexpr char16_t firstEscape = 0xDC80;  // the escape of byte 0x80; ASCII is always valid
constexpr char16_t lastEscape = 0xDCFF;
constexpr char32_t replacement = 0xFFFD;

// The length of the well-formed UTF-8 sequence that p begins with (the
// Unicode standard's table of well-formed byte sequences: no overlong forms,
// no surrogates, nothing above U+10FFFF), or 0 when there is none.
int sequenceLength(const unsigned char* p, qsizetype left) {
    const unsigned char lead = p[0];
    if (lead < 0x80) return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead == 0xE0) {
        length = 3;
        low = 0xA0;
    } else if ((lead >= 0xE1 && lead <= 0xEC) || lead == 0xEE || lead == 0xEF) {
        length = 3;
    } else if (lead == 0xED) {
        length = 3;
        high = 0x9F;
    } else if (lead == 0xF0) {
        length = 4;
        low = 0x90;
    } else if (lead >= 0xF1 && lead <= 0xF3) {
        length = 4;
    } else if (lead == 0xF4) {
        length = 4;
        high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high) return 0;
    for (int i = 2; i < length; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return length;
}

char32_t codePoint(const unsigned char* p, int length) {
    if (length == 1) return p[0];
    char32_t c = p[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i) c = (c << 6) | (p[i] & 0x3F);
    return c;
}

void appendUtf8(char32_t c, QByteArray& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// True for a low surrogate that follows its high surrogate at i - 1, and
// for a high surrogate that its low surrogate follows.
bool inSurrogatePair(const QString& text, qsizetype i) {
    const char16_t u = text[i].unicode();
    if (QChar::isHighSurrogate(u)) return i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return QChar::isLowSurrogate(u) && i > 0 && text[i - 1].isHighSurrogate();
}

}  // namespace

QString fileNameFromBytes(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const int length = sequenceLength(p + i, size - i);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(escapeBase + p[i]));
            ++i;
            continue;
        }
        const char32_t c = codePoint(p + i, length);
        if (QChar::requiresSurrogates(c)) {
            text += QChar(QChar::highSurrogate(c));
            text += QChar(QChar::lowSurrogate(c));
        } else {
            text += QChar(static_cast<char16_t>(c));
        }
        i += length;
    }
    return text;
}

QByteArray fileNameBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (!QChar::isSurrogate(u)) {
            appendUtf8(u, bytes);
        } else if (inSurrogatePair(name, i)) {
            appendUtf8(QChar::surrogateToUcs4(u, name[i + 1].unicode()), bytes);
            ++i;
        } else if (u >= firstEscape && u <= lastEscape) {
            bytes += static_cast<char>(u - escapeBase);
        } else {
            appendUtf8(replacement, bytes);
        }
    }
    return bytes;
}

QString shownText(const QString& text) {
    QString shown = text;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (shown[i].isSurrogate() && !inSurrogatePair(shown, i)) shown[i] = QChar(static_cast<char16_t>(replacement));
    return shown;
}

QStringList commandLineArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << fileNameFromBytes(QByteArrayView(argv[i]));
    return arguments;
}

}  // namespace varnel::platform
