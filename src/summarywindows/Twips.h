// Window and column sizes are given in twips: 1/15 of a pixel at 96 dots per
// inch, scaled by the screen's logical resolution.
#pragma once

class QWidget;

namespace varnel::summarywindows {

int twipsToPixels(int twips, const QWidget& widget);

}  // namespace varnel::summarywindows
