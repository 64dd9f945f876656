// A text cell of the CSV files (identifiers, node type texts; never numbers)
// made safe for any CSV reader and spreadsheet: a cell holding a comma, a
// double quote or a line break is quoted with its inner quotes doubled, and a
// cell beginning with "=", "+", "-", "@", a tab or a carriage return gets a
// leading apostrophe, so that no spreadsheet takes it for a formula. Any
// other cell is written as it is.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace varnel::text {

QString csvTextCell(const QString& cell);
// The same for a cell given as bytes, which are written as they are.
QByteArray csvTextCellBytes(QByteArrayView cell);

}  // namespace varnel::text
