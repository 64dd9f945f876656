// Loads a fixture day into a working database of a temporary folder and
// opens report windows over it offscreen, with recorders in place of boxes,
// file dialogs and the printer dialog.
#pragma once

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "ingest/LoadData.h"
#include "reportwindows/PrinterChooser.h"
#include "reportwindows/ReportWindow.h"
#include "windowkit/ProgressPanel.h"
#include "windowkit/RecordingDialogs.h"

namespace varnel::reportwindows::test {

// Points the printer at a PDF file in the given orientation, or cancels.
class PdfPrinterChooser : public PrinterChooser {
public:
    bool choosePrinter(QPrinter& printer, QWidget*) override {
        ++shown;
        if (outputFile.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        printer.setPageOrientation(orientation);
        return true;
    }
    QString outputFile;  // empty: the user cancels
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int shown = 0;
};

class ReportWindowFixture : public ::testing::Test {
protected:
    // Loads tests/fixtures/<name>/logs.
    void loadFixture(const char* name);
    // Loads the first day of a log folder.
    void loadLogs(const QString& folder);

    // The inputs of a whole-day report over every node of the load.
    reports::ReportInputs inputs(reports::ReportKind kind) const;

    // A loaded window of the report.
    std::unique_ptr<ReportWindow> open(const reports::ReportInputs& inputs);
    std::unique_ptr<ReportWindow> open(reports::ReportKind kind) { return open(inputs(kind)); }

    template <typename Control>
    static Control* control(const QWidget& window, const char* name) {
        auto* found = window.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTemporaryDir data_;
    ingest::IngestState state_;
    ingest::LoadResult load_;
    app::test::RecordingDialogs dialogs_;
    PdfPrinterChooser printers_;
    // The panel inside a window on screen, as in the main window, so that
    // it paints the moment it is told to.
    QWidget progressHost_;
    app::ProgressPanel progress_{&progressHost_};
    int summariesOpened_ = 0;
};

}  // namespace varnel::reportwindows::test
