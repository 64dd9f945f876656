#include "windowkit/WidgetDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "shell/StringTable.h"

namespace varnel::platform {

namespace {

QMessageBox::Icon boxIcon(UserMessage::Icon icon) {
    switch (icon) {
        case UserMessage::Icon::Information:
            return QMessageBox::Information;
        case UserMessage::Icon::Exclamation:
            return QMessageBox::Warning;
        case UserMessage::Icon::Critical:
            return QMessageBox::Critical;
        case UserMessage::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

int showBox(const UserMessage& message, QMessageBox::StandardButtons buttons, QWidget* parent) {
    const QString title = message.title.isEmpty() ? shell::myLoadResString(7) : message.title;
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(boxIcon(message.icon), title, text, buttons, parent);
    return box.exec();
}

}  // namespace

QWidget* frontWindow(QWidget* owner) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return owner;
}

void WidgetDialogs::show(const UserMessage& message) { showBox(message, QMessageBox::Ok, frontWindow(parent_)); }

bool WidgetDialogs::confirm(const UserMessage& message) {
    return showBox(message, QMessageBox::Ok | QMessageBox::Cancel, frontWindow(parent_)) == QMessageBox::Ok;
}

std::optional<QString> WidgetDialogs::chooseFolder(const QString& title, const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(frontWindow(parent_), title, startFolder);
    if (folder.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

std::optional<SaveFileChoice> WidgetDialogs::chooseSaveFile(const QString& title, const QString& suggestedPath,
                                                            const QString& filters) {
    QFileDialog dialog(frontWindow(parent_), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog gives a typed name the chosen filter's extension before
    // it asks whether to replace an existing file; a desktop's native
    // dialog would ask about the name as typed, and the extension would be
    // added after its question, replacing foo.png unasked when foo was typed.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!filters.isEmpty()) dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    dialog.selectFile(suggestedPath);
    dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveFileChoice{dialog.selectedFiles().first(), filters.isEmpty() ? QString() : dialog.selectedNameFilter()};
}

}  // namespace varnel::platform
