#include "session/ExitApplication.h"

#include <QCoreApplication>

namespace varnel::app {

void ExitApplication() { QCoreApplication::exit(0); }

}  // namespace varnel::app
