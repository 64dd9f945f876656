#include "text/Blanks.h"

namespace varnel::text {

std::string_view withoutEndBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

QString withoutEndBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == QLatin1Char(' ')) ++first;
    while (end > first && text[end - 1] == QLatin1Char(' ')) --end;
    return text.mid(first, end - first);
}

}  // namespace varnel::text
