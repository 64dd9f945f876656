// Counts what a progress bar showed while it was watched: how often its
// value changed, how many distinct values it took and how often it was
// painted.
#pragma once

#include <QEvent>
#include <QProgressBar>
#include <set>

namespace varnel::bench {

class ProgressBarWatch : public QObject {
public:
    explicit ProgressBarWatch(QProgressBar& bar) {
        connect(&bar, &QProgressBar::valueChanged, this, [this](int value) {
            ++changes_;
            values_.insert(value);
        });
        bar.installEventFilter(this);
    }

    long changes() const { return changes_; }
    long distinctValues() const { return static_cast<long>(values_.size()); }
    long paints() const { return paints_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints_;
        return false;
    }

private:
    long changes_ = 0;
    std::set<int> values_;
    long paints_ = 0;
};

}  // namespace varnel::bench
