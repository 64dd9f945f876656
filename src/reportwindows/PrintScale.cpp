#include "reportwindows/PrintScale.h"

#include <algorithm>
#include <cmath>

namespace varnel::reportwindows {

int printZoomPercent(QSizeF chart, QSizeF printable) {
    if (chart.isEmpty()) return 100;
    const double fit = std::min(printable.height() / chart.height(), printable.width() / chart.width());
    // Rounded down, so that the scaled chart never overflows the page.
    if (fit < 1) return std::clamp(static_cast<int>(std::floor(fit * 100)), 1, 100);
    return 100;
}

}  // namespace varnel::reportwindows
