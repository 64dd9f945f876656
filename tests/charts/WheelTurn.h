// Turns the mouse wheel over a chart as a user does, for the tests of the
// chart's own zoom.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

namespace varnel::charts::test {

// One notch away from the user over the middle of the chart's plot.
inline void turnWheelUp(const QWidget& chart) {
    auto* plot = chart.findChild<QWidget*>();
    ASSERT_NE(plot, nullptr);
    const QPointF middle(plot->width() / 2.0, plot->height() / 2.0);
    QWheelEvent wheel(middle, plot->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(plot, &wheel);
}

}  // namespace varnel::charts::test
