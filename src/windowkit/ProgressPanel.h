// The main window's progress panel frmTitle with its ProgressBar: a caption
// naming the work and a bar from 0 to the work's size. Hidden while idle.
#pragma once

#include <QGroupBox>
#include <cstdint>

class QProgressBar;

namespace varnel::app {

class ProgressPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    // Shows the panel with the caption and an empty bar of the given size.
    void begin(const QString& caption, int64_t maximum);
    void setProgress(int64_t value);
    // Hides the panel.
    void end();

    QProgressBar* bar() const { return bar_; }

private:
    QProgressBar* bar_;
};

}  // namespace varnel::app
