#include "windowkit/ProgressPanel.h"

#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace varnel::app {

namespace {

int barValue(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, 0, std::numeric_limits<int>::max())); }

}  // namespace

ProgressPanel::ProgressPanel(QWidget* parent) : QGroupBox(parent), bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmTitle"));
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    hide();
}

void ProgressPanel::begin(const QString& caption, int64_t maximum) {
    setTitle(caption);
    bar_->setRange(0, barValue(maximum));
    bar_->setValue(0);
    show();
}

void ProgressPanel::setProgress(int64_t value) { bar_->setValue(std::min(barValue(value), bar_->maximum())); }

void ProgressPanel::end() { hide(); }

}  // namespace varnel::app
