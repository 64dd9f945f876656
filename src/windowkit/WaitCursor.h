// The busy cursor over every window of the program while a piece of work
// runs on the user-interface thread: set when made, taken back when it ends.
#pragma once

#include <QApplication>

namespace varnel::windowkit {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace varnel::windowkit
