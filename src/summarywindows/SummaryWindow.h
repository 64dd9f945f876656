// A summary window (frmPortAvailabilitySummary, frmMessageQueueActivitySummary,
// frmMessageLatencySummary, frmNodeTrafficSummary, frmNodeErrorSummary): the
// report's derived table in gridSummary, File > Save as CSV file and Exit,
// Help > Help and About. It reads the table once per opening and writes
// nothing to the database.
#pragma once

#include <QDialog>
#include <memory>

#include "render/SummaryWindowKind.h"
#include "reports/BuiltReport.h"
#include "reports/ReportInputs.h"
#include "summarywindows/OpenSummaryWindow.h"
#include "summarywindows/SummaryGridView.h"

class QAction;
class QMenu;

namespace varnel::summarywindows {

class SummaryWindow : public QDialog {
    Q_OBJECT
public:
    SummaryWindow(const reports::ReportInputs& inputs, const SummaryWindowServices& services,
                  QWidget* parent = nullptr);

    // Reads the derived table and fills the grid. A failure to read shows
    // "Error in FormLoad routine: " with its reason and leaves the grid empty
    // and Save disabled.
    void formLoad();

    // Asks for a file (in the Documents folder by default) and writes the
    // summary to it whole, as varnel-report writes it; says whether it worked.
    void saveAsCsv();

    SummaryGridView& gridSummary() { return *grid_; }

private:
    void localize();
    void fillGrid();
    QString suggestedCsvPath() const;
    QSize initialSize() const;

    reports::ReportInputs inputs_;
    SummaryWindowServices services_;
    const SummaryWindowKind& kind_;
    std::shared_ptr<const reports::BuiltReport> report_;
    SummaryGridView* grid_;
    QMenu* mnuFile_;
    QMenu* mnuHelpMenu_;
    QAction* mnuSave_;
    QAction* mnuExit_;
    QAction* mnuHelp_;
    QAction* mnuAbout_;
};

}  // namespace varnel::summarywindows
