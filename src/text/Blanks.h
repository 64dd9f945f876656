// Blanks at either end of a text, as identifiers lose them before they are
// written: the space character only. Tabs, carriage returns and a byte order
// mark stay part of the text, so that identifiers that differ in them stay
// apart and the CSV cell rule sees them.
#pragma once

#include <QString>
#include <string_view>

namespace varnel::text {

std::string_view withoutEndBlanks(std::string_view text);
QString withoutEndBlanks(const QString& text);

}  // namespace varnel::text
