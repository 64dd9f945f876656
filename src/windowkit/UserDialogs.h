// The boxes and dialogs the main window asks of the user: message boxes
// (through MessageSink), a box asking OK or Cancel, the folder picker and the
// save-file dialog. The
// window shows real ones; tests put recorders in their place.
#pragma once

#include <QString>
#include <optional>

#include "platform/UserMessage.h"

namespace varnel::platform {

// The file the user chose to write, and the filter of the save dialog it was
// chosen under ("PNG Files (*.png)"); the filter is empty where the dialog
// offered none.
struct SaveFileChoice {
    QString path;
    QString filter;
};

// The extension a file chosen under a filter gets when the user types none:
// that of the filter's first pattern ("png" for "PNG Files (*.png)"); empty
// for "All files (*)" or no filter.
QString filterSuffix(const QString& filter);

class UserDialogs : public MessageSink {
public:
    // A box with the buttons OK and Cancel; true when the user chose OK.
    virtual bool confirm(const UserMessage& message) = 0;
    // The folder the user chose, or nothing when cancelled.
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) = 0;
    // The file the user chose to write, or nothing when cancelled. filters
    // are separated by ";;", the first one chosen at first; a name typed
    // without an extension gets that of the chosen filter before the dialog
    // asks whether to replace an existing file.
    virtual std::optional<SaveFileChoice> chooseSaveFile(const QString& title, const QString& suggestedPath,
                                                         const QString& filters) = 0;
};

}  // namespace varnel::platform
