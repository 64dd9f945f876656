#include "platform/DocumentsFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace varnel::platform {

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace varnel::platform
