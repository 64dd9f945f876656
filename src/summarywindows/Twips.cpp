#include "summarywindows/Twips.h"

#include <QWidget>
#include <cmath>

namespace varnel::summarywindows {

namespace {

constexpr double twipsPerInch = 1440.0;

}  // namespace

int twipsToPixels(int twips, const QWidget& widget) {
    return static_cast<int>(std::lround(twips * widget.logicalDpiX() / twipsPerInch));
}

}  // namespace varnel::summarywindows
