// Closes a report window as soon as its chart has first been drawn: an
// application-wide filter sees the first paint of the plot inside a report
// window's chart, and a single-shot timer on the next turn of the window's
// event loop (the paint done and on the screen) tells the caller and closes
// the window, which ends its modal loop.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "charts/ChartControl.h"
#include "reportwindows/ReportWindow.h"

namespace varnel::bench {

class DrawnChartCloser : public QObject {
public:
    DrawnChartCloser() { QApplication::instance()->installEventFilter(this); }
    ~DrawnChartCloser() override { QApplication::instance()->removeEventFilter(this); }

    // drawn runs once the next report window to open has drawn its chart,
    // just before that window is closed.
    void arm(std::function<void()> drawn) { drawn_ = std::move(drawn); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!drawn_ || event->type() != QEvent::Paint) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !qobject_cast<charts::ChartControl*>(widget->parentWidget())) return false;
        auto* window = qobject_cast<reportwindows::ReportWindow*>(widget->window());
        if (!window) return false;
        QTimer::singleShot(0, window, [window, drawn = std::move(drawn_)] {
            drawn();
            window->close();
        });
        drawn_ = nullptr;
        return false;
    }

private:
    std::function<void()> drawn_;
};

}  // namespace varnel::bench
