// gridSummary, the table of a summary window: one view over the summary
// model, with the columns' widths, hidden columns and the fixed column of
// row numbers applied, sorting by a click on a column header, and Copy
// (Ctrl+C or the context menu) of the selected cells as tab-separated text
// under a header row.
#pragma once

#include <QTableView>

#include "summarywindows/SummaryTableModel.h"

namespace varnel::summarywindows {

class SummaryGridView : public QTableView {
    Q_OBJECT
public:
    explicit SummaryGridView(QWidget* parent = nullptr);

    SummaryTableModel& grid() { return model_; }
    const SummaryTableModel& grid() const { return model_; }

    // Applies the model's column widths (twips, widened to show the header
    // text; 0 takes a width that fits the texts) and hidden flags, and shows its fixed column beside the rows.
    void applyColumns();

    // The selected cells of the shown columns, in view order: a line of their
    // column headers, then one line per row; cells trimmed and separated by
    // tabs, lines ended by a line feed. Empty without a selection.
    QString selectedText() const;
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SummaryTableModel model_;
};

}  // namespace varnel::summarywindows
