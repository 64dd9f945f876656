// The real message boxes and file dialogs. Each opens over the window in
// front when it is raised: the modal window on top (a report, summary, About
// or help window), else the main window, so that it centres on the window
// the user works in and never opens behind it.
#pragma once

#include "windowkit/UserDialogs.h"

class QWidget;

namespace varnel::platform {

// The modal window on top, or owner while no modal window is open.
QWidget* frontWindow(QWidget* owner);

class WidgetDialogs : public UserDialogs {
public:
    // Boxes and dialogs open over the window in front, parent while no modal
    // window is open (may be set later).
    explicit WidgetDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // A modal box with an OK button; an empty title gives the program's title.
    void show(const UserMessage& message) override;
    bool confirm(const UserMessage& message) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) override;
    std::optional<SaveFileChoice> chooseSaveFile(const QString& title, const QString& suggestedPath,
                                                 const QString& filters) override;

private:
    QWidget* parent_;
};

}  // namespace varnel::platform
