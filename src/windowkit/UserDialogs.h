// The boxes and dialogs the main window asks of the user: message boxes
// (through MessageSink), a box asking OK or Cancel, the folder picker and the
// save-file dialog. The
// window shows real ones; tests put recorders in their place.
#pragma once

#include <QString>
#include <optional>

#include "platform/UserMessage.h"

namespace varnel::platform {

class UserDialogs : public MessageSink {
public:
    // A box with the buttons OK and Cancel; true when the user chose OK.
    virtual bool confirm(const UserMessage& message) = 0;
    // The folder the user chose, or nothing when cancelled.
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) = 0;
    // The file the user chose to write, or nothing when cancelled.
    virtual std::optional<QString> chooseSaveFile(const QString& title, const QString& suggestedPath,
                                                  const QString& filter) = 0;
};

}  // namespace varnel::platform
