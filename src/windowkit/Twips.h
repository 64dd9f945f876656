// Window sizes given in twips: 1/1440 of an inch, so 15 twips are one pixel
// at 96 dots per inch; scaled by the screen's logical resolution.
#pragma once

#include <cmath>

namespace varnel::platform {

inline int twipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

}  // namespace varnel::platform
