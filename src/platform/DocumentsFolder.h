// The folder that save dialogs propose for the files the user writes.
#pragma once

#include <QString>

namespace varnel::platform {

// The user's Documents folder, else the home folder when there is none.
QString documentsFolder();

}  // namespace varnel::platform
