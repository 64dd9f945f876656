#include "store/WorkingLock.h"

#include <QDir>

namespace varnel::store {

WorkingDatabaseLock::WorkingDatabaseLock(const QString& workingPath)
    : workingPath_(workingPath), lock_(lockPathOf(workingPath)) {}

QString WorkingDatabaseLock::lockPathOf(const QString& workingPath) { return workingPath + QStringLiteral(".lock"); }

QString WorkingDatabaseLock::inUseText() const {
    return lock_.inUseText(QStringLiteral("The working database ") + QDir::toNativeSeparators(workingPath_));
}

}  // namespace varnel::store
