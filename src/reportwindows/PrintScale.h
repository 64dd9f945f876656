// How large the Print Chart command prints a chart: at its natural size when
// it fits the printable area, otherwise scaled down until both directions
// fit; never enlarged.
#pragma once

#include <QSizeF>

namespace varnel::reportwindows {

// The printer's zoom in percent (1 to 100) for a chart of the given natural
// size on a printable area, both in printer pixels.
int printZoomPercent(QSizeF chart, QSizeF printable);

}  // namespace varnel::reportwindows
