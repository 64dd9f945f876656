// What a summary window's grid shows: its columns (key, header text, width)
// and its data rows of cell texts, and what the summary has to say. The CSV
// writers read the cells by key.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/UserMessage.h"

namespace varnel::summaries {

struct SummaryColumn {
    QString key;     // empty for the fixed first column of the node summaries
    QString header;  // text of the header row
    int widthTwips = 0;
    bool hidden = false;
};

struct SummaryGrid {
    QList<SummaryColumn> columns;
    QList<QStringList> rows;          // one cell text per column, in column order
    platform::UserMessages messages;  // e.g. that the table holds no rows

    // Position of the column with the key.
    std::optional<int> columnIndex(const QString& key) const;
    // Text of row's cell in the column with the key; empty when there is none.
    QString cell(int row, const QString& key) const;
};

}  // namespace varnel::summaries
