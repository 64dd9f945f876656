// The real message boxes and file dialogs, owned by a window.
#pragma once

#include "windowkit/UserDialogs.h"

class QWidget;

namespace varnel::platform {

class WidgetDialogs : public UserDialogs {
public:
    // Boxes and dialogs open over parent (may be set later).
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
