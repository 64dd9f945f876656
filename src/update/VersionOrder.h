// Order of version texts such as 2.1.37: the dot-separated numbers are
// compared one by one as numbers, so 2.9.0 comes before 2.10.0.
#pragma once

#include <QString>

namespace varnel::shell {

// Negative when a is older than b, 0 when equal, positive when newer. A
// missing or empty part counts as 0 (2.1 equals 2.1.0); numbers may have any
// length. Both texts hold only digits and dots.
int compareVersionTexts(const QString& a, const QString& b);

}  // namespace varnel::shell
