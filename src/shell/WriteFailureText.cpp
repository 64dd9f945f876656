#include "shell/WriteFailureText.h"

#include <QDir>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::shell {

QString writeFailureText(const platform::WriteFailure& failure) {
    return myLoadResString(unableToWriteStringId).arg(QDir::toNativeSeparators(failure.path), failure.reason);
}

}  // namespace varnel::shell
