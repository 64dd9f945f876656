// The printer dialog of the Print Chart command. The window asks this; tests
// put a chooser in its place that points the printer at a PDF file.
#pragma once

class QPrinter;
class QWidget;

namespace varnel::reportwindows {

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Lets the user set up printer (its choice, orientation); false when
    // cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

// The system's printer dialog.
class PrintDialogChooser : public PrinterChooser {
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
};

}  // namespace varnel::reportwindows
