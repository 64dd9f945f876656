#include "reportwindows/ReportWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportRun.h"
#include "charts/ChartControl.h"
#include "platform/DocumentsFolder.h"
#include "platform/WholeFileWriter.h"
#include "render/ReportChartView.h"
#include "reports/ImageFormat.h"
#include "reports/LatencyTableStore.h"
#include "reportwindows/PrintScale.h"
#include "reportwindows/PrinterChooser.h"
#include "reportwindows/ReportProgressPanel.h"
#include "shell/StringTable.h"
#include "shell/WriteFailureText.h"
#include "store/ReportDatabase.h"
#include "windowkit/ProgressPanel.h"
#include "windowkit/Twips.h"
#include "windowkit/WaitCursor.h"
#include "windowkit/WorkWhilePainting.h"

namespace varnel::reportwindows {

namespace {

using shell::myLoadResString;

QString withoutMnemonic(QString caption) { return caption.remove(QLatin1Char('&')); }

}  // namespace

ReportWindow::ReportWindow(const ReportWindowDesign& design, reports::ReportInputs inputs,
                           ReportWindowServices services, QWidget* parent)
    : QDialog(parent),
      design_(design),
      inputs_(std::move(inputs)),
      services_(std::move(services)),
      chart_(new charts::ChartControl(this)) {
    setObjectName(QString::fromLatin1(design.windowName));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto* layout = new QVBoxLayout(this);
    buildMenus();
    layout->addWidget(chart_, 1);
    if (design.viewport) {
        viewport_.emplace(*design.viewport);
        scrollBar_ = new QScrollBar(Qt::Horizontal, this);
        scrollBar_->setObjectName(QStringLiteral("ScrollBar"));
        layout->addWidget(scrollBar_);
        connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
            viewport_->scroll(value);
            showViewport();
        });
        connect(chart_, &charts::ChartControl::userRangeChanged, this, &ReportWindow::followChart);
    }
    chart_->setUserZoom(design.viewport.has_value());
    layout->addWidget(buildFrames());
    localize();
    fitMinimumSize();
}

ReportWindow::~ReportWindow() = default;

bool ReportWindow::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // The chart's and the frames' needs change with their texts.
    if (event->type() == QEvent::LayoutRequest) fitMinimumSize();
    return handled;
}

void ReportWindow::fitMinimumSize() {
    const QSize designed(platform::twipsToPixels(design_.minimumWidthTwips, logicalDpiX()),
                         platform::twipsToPixels(design_.minimumHeightTwips, logicalDpiY()));
    const QSize minimum = designed.expandedTo(layout()->totalMinimumSize());
    if (minimum != minimumSize()) setMinimumSize(minimum);
}

void ReportWindow::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    for (const MenuDesign& menuDesign : design_.menus) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(menuDesign.name));
        captionedActions_.emplace_back(menu->menuAction(), menuDesign.captionId);
        for (const MenuItemDesign& item : menuDesign.items) {
            QAction* action = item.role == MenuRole::Separator ? menu->addSeparator() : menu->addAction(QString());
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.role == MenuRole::Separator) continue;
            captionedActions_.emplace_back(action, item.captionId);
            switch (item.role) {
                case MenuRole::Print:
                    action->setShortcut(QKeySequence::Print);
                    connect(action, &QAction::triggered, this, &ReportWindow::printChart);
                    break;
                case MenuRole::SaveChart:
                    saveCaptionId_ = item.captionId;
                    action->setShortcut(QKeySequence::Save);
                    connect(action, &QAction::triggered, this, &ReportWindow::saveChart);
                    break;
                case MenuRole::Summary:
                    action->setEnabled(static_cast<bool>(services_.openSummary));
                    connect(action, &QAction::triggered, this, [this] { services_.openSummary(inputs_, *this); });
                    break;
                case MenuRole::Exit:
                    connect(action, &QAction::triggered, this, &QDialog::close);
                    break;
                case MenuRole::Zoom: {
                    const int entry = static_cast<int>(zoomEntries_.size());
                    action->setCheckable(true);
                    action->setProperty("Index", entry);
                    zoomEntries_.push_back(action);
                    connect(action, &QAction::triggered, this, [this, entry] { zoom(entry); });
                    break;
                }
                case MenuRole::Help:
                    action->setShortcut(QKeySequence::HelpContents);
                    action->setEnabled(static_cast<bool>(services_.showHelp));
                    connect(action, &QAction::triggered, this, [this] { services_.showHelp(*this); });
                    break;
                case MenuRole::About:
                    action->setEnabled(static_cast<bool>(services_.showAbout));
                    connect(action, &QAction::triggered, this, [this] { services_.showAbout(*this); });
                    break;
                case MenuRole::Separator:
                    break;
            }
        }
    }
}

QWidget* ReportWindow::buildFrames() {
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    for (const FrameDesign& frameDesign : design_.frames) {
        auto* frame = new QGroupBox(row);
        rowLayout->addWidget(frame);
        frame->setObjectName(QString::fromLatin1(frameDesign.name));
        captionedWidgets_.emplace_back(frame, frameDesign.captionId);
        auto* frameLayout = new QVBoxLayout(frame);
        const bool checks = &frameDesign == design_.checkFrame();
        auto* group = checks ? nullptr : new QButtonGroup(frame);
        for (const ControlDesign& controlDesign : frameDesign.controls) {
            QAbstractButton* control = checks ? static_cast<QAbstractButton*>(new QCheckBox(frame))
                                              : static_cast<QAbstractButton*>(new QRadioButton(frame));
            control->setObjectName(QString::fromLatin1(controlDesign.name));
            control->setChecked(controlDesign.initiallyOn);
            if (group) group->addButton(control);
            captionedWidgets_.emplace_back(control, controlDesign.captionId);
            frameLayout->addWidget(control);
            (checks ? checks_ : options_).push_back(control);
            connect(control, &QAbstractButton::clicked, this, &ReportWindow::applyOptions);
        }
    }
    rowLayout->addStretch(1);
    return row;
}

void ReportWindow::localize() {
    setWindowTitle(myLoadResString(catalogue::reportEntry(inputs_.kind).titleId));
    for (const auto& [action, id] : captionedActions_) action->setText(myLoadResString(id));
    for (const auto& [widget, id] : captionedWidgets_) {
        const QString caption = myLoadResString(id);
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            frame->setTitle(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(caption);
    }
    if (scrollBar_) scrollBar_->setAccessibleName(withoutMnemonic(myLoadResString(130)));
}

std::vector<bool> ReportWindow::chosenSeries() const {
    std::vector<bool> checks;
    std::vector<bool> options;
    for (QAbstractButton* check : checks_) checks.push_back(check->isChecked());
    for (QAbstractButton* option : options_) options.push_back(option->isChecked());
    return visibleSeries(design_, checks, options);
}

void ReportWindow::applyOptions() {
    if (design_.mostChecked > 0) {
        const auto ticked = std::count_if(checks_.begin(), checks_.end(),
                                          [](const QAbstractButton* check) { return check->isChecked(); });
        for (QAbstractButton* check : checks_) check->setEnabled(check->isChecked() || ticked < design_.mostChecked);
    }
    const std::vector<bool> visible = chosenSeries();
    chart_->setBatchMode(true);
    for (std::size_t k = 0; k < visible.size(); ++k) chart_->setSeriesVisible(static_cast<int>(k + 1), visible[k]);
    chart_->setBatchMode(false);
}

void ReportWindow::load(app::ProgressPanel& panel) {
    localize();
    chart_->setBatchMode(true);
    const bool perMinute = design_.viewport == charts::ViewportKind::PerMinute;
    if (perMinute) {
        viewport_->setRange(0, charts::ChartViewport::perMinuteLimit);
        zoom(1);
        viewport_->setValue(360);
    }
    const windowkit::WaitCursor wait;
    // "Crunching database..." shows only when the report builds its table.
    ReportProgressPanel progress(panel, design_.chartLoadingCaption());
    const BuiltChart built = buildInBackground(progress);
    const reports::ReportChart& data = built.data;
    const int64_t points = built.points;

    presentReportChart(*chart_, design_, data, chosenSeries(), built.chartPoints);
    progress.advance(reports::ReportProgress::Stage::LoadingPoints, points);
    progress.showNow();

    if (design_.viewport == charts::ViewportKind::Latency && points > 0) {
        showZoomed(startLatencyViewport(*viewport_, data));
    } else if (perMinute) {
        showViewport();
    } else if (design_.viewport == charts::ViewportKind::PerDay && points > 0) {
        // Every loaded day at first; the entries show a week, a month or a year of them.
        viewport_->setRange(1, static_cast<int>(points));
        viewport_->setValue(1);
        zoom(charts::ChartViewport::zoomEntryCount - 1);
    } else if (scrollBar_) {
        scrollBar_->setEnabled(false);
    }
    applyOptions();
    panel.end();
    chart_->setBatchMode(false);
}

ReportWindow::BuiltChart ReportWindow::buildInBackground(ReportProgressPanel& progress) {
    BuiltChart built;
    // What the build said and its failures, shown in order once it has ended.
    platform::UserMessages messages;
    const QString failurePrefix = myLoadResString(design_.loadFailureId);
    windowkit::runWhilePainting([&] {
        // The chart data and their points are made here as well, and the
        // rows freed here: for a long report any of these would hold up the
        // window. A latency report's table is stored after the window has
        // its chart.
        bool charted = false;
        const reports::RowsUser chart = [&](const reports::BuiltReport& rows) {
            messages.insert(messages.end(), rows.messages.begin(), rows.messages.end());
            built.points = static_cast<int64_t>(rows.size());
            built.data = catalogue::reportChart(rows, inputs_);
            charted = true;
        };
        try {
            // A latency table still being stored keeps out of the build's way.
            const auto pause =
                inputs_.latencyTable ? inputs_.latencyTable->pause() : reports::LatencyTableStore::Pause();
            store::ReportDatabase db(inputs_.connectionString);
            db.useFastRebuilds();
            // The unmatched-message file goes beside the working database:
            // the program's own folder is not writable once installed.
            const auto failure =
                catalogue::runReport(db, inputs_, QFileInfo(inputs_.connectionString).dir(), chart, &progress)
                    .unmatchedFileFailure;
            if (failure) messages.push_back({failurePrefix + shell::writeFailureText(*failure)});
        } catch (const std::exception& e) {
            messages.push_back({failurePrefix + QString::fromUtf8(e.what())});
            charted = false;
        }
        // A failed build leaves a report without rows, whose chart still
        // carries its header and titles.
        if (!charted) chart({inputs_.kind, {}});
        // The chart's stage, once there are points to load.
        if (built.points > 0) progress.begin(reports::ReportProgress::Stage::LoadingPoints, built.points);
        // The points once the rows are gone, which are as large.
        built.chartPoints = charts::ChartControl::preparePoints(built.data, design_.groupType);
    });
    progress.showNow();
    for (const platform::UserMessage& message : messages) services_.dialogs.show(message);
    return built;
}

void ReportWindow::zoom(int entry) {
    if (!viewport_) return;
    showZoomed(viewport_->zoom(entry));
}

void ReportWindow::showZoomed(const std::optional<QString>& failure) {
    if (failure) services_.dialogs.show({myLoadResString(26) + *failure});
    showViewport();
}

void ReportWindow::showViewport() {
    const charts::ScrollBarState& state = viewport_->scrollBar();
    {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setRange(state.minimum, state.maximum);
        scrollBar_->setPageStep(state.largeChange);
        scrollBar_->setSingleStep(state.smallChange);
        scrollBar_->setValue(state.value);
        scrollBar_->setEnabled(state.enabled);
    }
    const std::optional<int> checked = viewport_->checkedEntry();
    for (std::size_t entry = 0; entry < zoomEntries_.size(); ++entry)
        zoomEntries_[entry]->setChecked(checked && *checked == static_cast<int>(entry));
    chart_->setXRange(viewport_->axis().minimum, viewport_->axis().maximum);
}

void ReportWindow::followChart(double minimum, double maximum) {
    viewport_->followChart(minimum, maximum);
    showViewport();
}

void ReportWindow::printChart() {
    QPrinter printer(QPrinter::HighResolution);
    if (!services_.printers.choosePrinter(printer, this)) return;
    // The printer counts in the chart's own pixels, so that the chart is laid
    // out as the window shows it and its texts, whose sizes are in points,
    // keep their size beside it; the printed page is vector output, so
    // nothing is lost by the coarser unit. Then the chart is scaled down to
    // fit one page in the orientation chosen, never enlarged.
    printer.setResolution(chart_->logicalDpiY());
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int zoomPercent = printZoomPercent(QSizeF(chart_->size()), page.size());
    if (!chart_->paintOn(printer, zoomPercent / 100.0))
        services_.dialogs.show({myLoadResString(20) + QStringLiteral("the printer %1 could not be started")
                                                          .arg(printer.printerName().isEmpty()
                                                                   ? QDir::toNativeSeparators(printer.outputFileName())
                                                                   : printer.printerName())});
}

void ReportWindow::saveChart() {
    const QString title = myLoadResString(saveCaptionId_);
    const QString suggested =
        QDir(platform::documentsFolder())
            .filePath(catalogue::chartFileName(inputs_.kind, inputs_.reportDate,
                                               charts::defaultExtension(charts::ImageFormat::Bmp)));
    const auto chosen = services_.dialogs.chooseSaveFile(
        withoutMnemonic(title), suggested, QStringLiteral("BMP Files (*.BMP);;PNG Files (*.png);;PDF Files (*.pdf)"));
    if (!chosen) return;
    // The dialog has given a name typed without an extension that of the
    // chosen filter, and asked before replacing a file of that name; a name
    // with another extension is written in the chosen filter's format.
    const charts::ImageFormat format =
        charts::imageFormatOfFile(chosen->path)
            .value_or(
                charts::imageFormatFromName(platform::filterSuffix(chosen->filter)).value_or(charts::ImageFormat::Bmp));
    if (const auto failure = chart_->writeImage(chosen->path, format))
        services_.dialogs.show({shell::writeFailureText(*failure), {}, platform::UserMessage::Icon::Critical});
}

}  // namespace varnel::reportwindows
