#include "text/CsvCell.h"

namespace varnel::text {

namespace {

// The rule runs on the code units of a text or on its bytes alike: every
// character it looks for is ASCII, so UTF-8 bytes and UTF-16 units give the
// same cells.
char16_t unit(QChar c) { return c.unicode(); }
unsigned char unit(char c) { return static_cast<unsigned char>(c); }
void append(QString& out, QChar c) { out += c; }
void append(QString& out, char c) { out += QLatin1Char(c); }
void append(QByteArray& out, char c) { out += c; }

template <typename Text>
bool startsLikeAFormula(const Text& cell) {
    if (cell.isEmpty()) return false;
    switch (unit(cell.front())) {
        case '=':
        case '+':
        case '-':
        case '@':
        case '\t':
        case '\r':
            return true;
        default:
            return false;
    }
}

template <typename Text>
bool needsQuotes(const Text& cell) {
    for (const auto c : cell)
        if (unit(c) == ',' || unit(c) == '"' || unit(c) == '\n' || unit(c) == '\r') return true;
    return false;
}

template <typename Text>
Text textCell(const Text& cell) {
    const bool formula = startsLikeAFormula(cell);
    const bool quoted = needsQuotes(cell);
    if (!formula && !quoted) return cell;
    Text out;
    out.reserve(cell.size() + 3);
    if (quoted) append(out, '"');
    if (formula) append(out, '\'');
    for (const auto c : cell) {
        if (unit(c) == '"') append(out, '"');
        append(out, c);
    }
    if (quoted) append(out, '"');
    return out;
}

}  // namespace

QString csvTextCell(const QString& cell) { return textCell(cell); }

QByteArray csvTextCellBytes(QByteArrayView cell) { return textCell(cell.toByteArray()); }

}  // namespace varnel::text
