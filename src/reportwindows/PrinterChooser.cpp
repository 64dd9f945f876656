#include "reportwindows/PrinterChooser.h"

#include <QPrintDialog>

namespace varnel::reportwindows {

bool PrintDialogChooser::choosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace varnel::reportwindows
