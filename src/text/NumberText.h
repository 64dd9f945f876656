// The locale-independent text of a number that grids show and CSV files
// write: a leading blank when not negative, "." as decimal point, no zero
// before the point below 1, at most 15 significant digits.
#pragma once

#include <QByteArray>
#include <QString>

namespace varnel::text {

QString numberText(double value);

// The same text without its leading blank, as CSV cells are written.
QString trimmedNumberText(double value);

// trimmedNumberText appended as bytes, for files of many thousand lines.
void appendTrimmedNumberText(double value, QByteArray& out);

}  // namespace varnel::text
