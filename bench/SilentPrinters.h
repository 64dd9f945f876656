// The printer dialog for benchmarks: never shows, always answers cancelled.
#pragma once

#include "reportwindows/PrinterChooser.h"

namespace varnel::bench {

class SilentPrinters : public reportwindows::PrinterChooser {
public:
    bool choosePrinter(QPrinter&, QWidget*) override { return false; }
};

}  // namespace varnel::bench
