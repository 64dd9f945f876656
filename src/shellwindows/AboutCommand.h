// The About command of every window: one About window for the whole run,
// made the first time it is asked for and shown modally over the window
// that asks, each time again.
#pragma once

#include <QPointer>

#include "shellwindows/AboutWindow.h"

namespace varnel::shellwindows {

class AboutCommand {
public:
    explicit AboutCommand(AboutWindowServices services) : services_(std::move(services)) {}
    ~AboutCommand();
    AboutCommand(const AboutCommand&) = delete;
    AboutCommand& operator=(const AboutCommand&) = delete;

    // Returns once the user has closed the window.
    void show(QWidget& owner);

private:
    AboutWindowServices services_;
    QPointer<AboutWindow> window_;
};

}  // namespace varnel::shellwindows
