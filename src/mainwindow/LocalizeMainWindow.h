// Sets the main window's captions from the string table.
#pragma once

class QMainWindow;

namespace varnel::app {

// Sets each caption of the table in its order; a control that is missing is
// passed over without a message. Controls not in the table keep their text.
void LocalizeMainWindow(QMainWindow& frmMain);

}  // namespace varnel::app
