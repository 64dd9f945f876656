#include "summarywindows/SummaryWindow.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <optional>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportRecipe.h"
#include "platform/DocumentsFolder.h"
#include "platform/WholeFileWriter.h"
#include "render/ReportViewCatalogue.h"
#include "reports/LatencyTableStore.h"
#include "shell/StringTable.h"
#include "shell/WriteFailureText.h"
#include "store/ReportDatabase.h"
#include "windowkit/LatencyTableWait.h"
#include "windowkit/Twips.h"
#include "windowkit/WaitCursor.h"

namespace varnel::summarywindows {

namespace {

using shell::myLoadResString;

template <typename Object>
Object* named(Object* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

}  // namespace

SummaryWindow::SummaryWindow(const reports::ReportInputs& inputs, const SummaryWindowServices& services,
                             QWidget* parent)
    : QDialog(parent),
      inputs_(inputs),
      services_(services),
      kind_(render::reportViews(inputs.kind).summary),
      grid_(new SummaryGridView(this)) {
    setObjectName(QString::fromLatin1(kind_.windowName));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto* menuBar = new QMenuBar(this);
    mnuFile_ = named(menuBar->addMenu(QString()), "mnuFile");
    mnuSave_ = named(mnuFile_->addAction(QString()), kind_.saveItemName);
    if (kind_.menuSeparators) mnuFile_->addSeparator();
    mnuExit_ = named(mnuFile_->addAction(QString()), "mnuExit");
    mnuHelpMenu_ = named(menuBar->addMenu(QString()), kind_.helpMenuName);
    mnuHelp_ = named(mnuHelpMenu_->addAction(QString()), "mnuHelp");
    if (kind_.menuSeparators) mnuHelpMenu_->addSeparator();
    mnuAbout_ = named(mnuHelpMenu_->addAction(QString()), "mnuAbout");

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);

    mnuSave_->setEnabled(false);  // until the table is read
    mnuHelp_->setEnabled(static_cast<bool>(services_.showHelp));
    mnuAbout_->setEnabled(static_cast<bool>(services_.showAbout));
    connect(mnuSave_, &QAction::triggered, this, &SummaryWindow::saveAsCsv);
    connect(mnuExit_, &QAction::triggered, this, &QDialog::close);
    connect(mnuHelp_, &QAction::triggered, this, [this] { services_.showHelp(*this); });
    connect(mnuAbout_, &QAction::triggered, this, [this] { services_.showAbout(*this); });

    localize();
    setMinimumSize(platform::twipsToPixels(kind_.minimumWidthTwips, logicalDpiX()),
                   platform::twipsToPixels(kind_.minimumHeightTwips, logicalDpiY()));
    resize(minimumSize());
}

void SummaryWindow::localize() {
    setWindowTitle(myLoadResString(catalogue::reportEntry(inputs_.kind).summaryTitleId));
    grid_->setAccessibleName(windowTitle());
    mnuFile_->setTitle(myLoadResString(29));
    mnuSave_->setText(myLoadResString(98));
    mnuExit_->setText(myLoadResString(27));
    mnuHelpMenu_->setTitle(myLoadResString(32));
    mnuHelp_->setText(myLoadResString(32));
    mnuAbout_->setText(myLoadResString(6));
}

void SummaryWindow::formLoad() {
    // The latency table may still be being stored: its summary waits for it,
    // the others keep the store out of their way while they read.
    std::optional<reports::LatencyTableStore::Pause> pause;
    if (inputs_.latencyTable) {
        if (inputs_.kind != reports::ReportKind::Latency)
            pause.emplace(inputs_.latencyTable->pause());
        else if (const auto failure = windowkit::waitForLatencyTable(*inputs_.latencyTable))
            services_.dialogs.show(*failure);
    }
    try {
        windowkit::WaitCursor wait;
        store::ReportDatabase db(inputs_.connectionString);
        report_ = std::make_shared<const reports::BuiltReport>(catalogue::readReport(db, inputs_));
    } catch (const std::exception& e) {
        services_.dialogs.show({myLoadResString(17) + QString::fromUtf8(e.what())});
        return;
    }
    fillGrid();
    mnuSave_->setEnabled(true);
    resize(initialSize());
}

void SummaryWindow::fillGrid() {
    SummaryTableModel& grid = grid_->grid();
    if (kind_.fill == SummaryFill::BoundLatencyRows) {
        // Bound display: the rows stay as read and are turned into text only
        // for the cells on screen.
        grid.bindLatencyRows(report_->rows.shared<reports::LatencyRows>());
    } else {
        // An empty node table shows its message here and leaves no data rows.
        const summaries::SummaryGrid summary = catalogue::summaryGrid(*report_);
        for (const platform::UserMessage& message : summary.messages) services_.dialogs.show(message);
        grid.setColumns(summary.columns);
        grid.setGridRowCount(1);
        for (const QStringList& cells : summary.rows) {
            grid.addGridRow(cells.value(0));
            const int row = grid.gridRowCount() - 1;
            for (int column = 1; column < cells.size(); ++column) grid.setCellText(row, column, cells[column]);
        }
    }
    grid_->applyColumns();
}

QString SummaryWindow::suggestedCsvPath() const {
    return QDir::toNativeSeparators(
        QDir(platform::documentsFolder()).filePath(catalogue::summaryCsvFileName(inputs_.kind, inputs_.reportDate)));
}

void SummaryWindow::saveAsCsv() {
    if (!report_) return;
    const auto chosen = services_.dialogs.chooseSaveFile(myLoadResString(104), suggestedCsvPath(), QString());
    if (!chosen) return;
    const auto failure = [&] {
        windowkit::WaitCursor wait;
        return platform::writeWholeFile(QDir::fromNativeSeparators(chosen->path), [&](QIODevice& out) {
            // What the summary says was shown with the grid already.
            return catalogue::writeSummaryCsv(*report_, out).written;
        });
    }();
    if (failure) {
        services_.dialogs.show({shell::writeFailureText(*failure), {}, platform::UserMessage::Icon::Critical});
        return;
    }
    services_.dialogs.show({myLoadResString(119)});
}

QSize SummaryWindow::initialSize() const {
    // Large enough for every shown column and row where the screen allows.
    const int frame = 2 * grid_->frameWidth();
    const int width = grid_->horizontalHeader()->length() +
                      (grid_->verticalHeader()->isHidden() ? 0 : grid_->verticalHeader()->sizeHint().width()) +
                      grid_->verticalScrollBar()->sizeHint().width() + frame;
    const qint64 rowsHeight =
        static_cast<qint64>(grid_->verticalHeader()->defaultSectionSize()) * std::max(grid_->grid().rowCount(), 1);
    const int height = layout()->menuBar()->sizeHint().height() + grid_->horizontalHeader()->sizeHint().height() +
                       grid_->horizontalScrollBar()->sizeHint().height() + frame +
                       static_cast<int>(std::min<qint64>(rowsHeight, 1 << 16));
    QSize size = minimumSize().expandedTo(QSize(width, height));
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10).expandedTo(minimumSize());
    return size;
}

}  // namespace varnel::summarywindows
