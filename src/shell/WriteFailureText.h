// The message of a file that could not be written, in the language in force:
// "Unable to write <path>: <reason>".
#pragma once

#include <QString>

#include "platform/WholeFileWriter.h"

namespace varnel::shell {

QString writeFailureText(const platform::WriteFailure& failure);

}  // namespace varnel::shell
