#include "text/CsvCell.h"

namespace varnel::text {

namespace {

bool startsLikeAFormula(const QString& cell) {
    if (cell.isEmpty()) return false;
    switch (cell.front().unicode()) {
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

bool needsQuotes(const QString& cell) {
    for (const QChar c : cell)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return true;
    return false;
}

}  // namespace

QString csvTextCell(const QString& cell) {
    const bool formula = startsLikeAFormula(cell);
    const bool quoted = needsQuotes(cell);
    if (!formula && !quoted) return cell;
    QString out = formula ? QLatin1Char('\'') + cell : cell;
    if (quoted) {
        out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        out = QLatin1Char('"') + out + QLatin1Char('"');
    }
    return out;
}

}  // namespace varnel::text
