#include "ingest/ParseFailures.h"

#include "shell/StringTable.h"

namespace varnel::ingest {

void ParseFailures::add(int64_t line, FailureCode code, QString description) {
    ++total_;
    if (listed_.size() < 1 + listedFurther) listed_.push_back({line, code, std::move(description)});
}

QString ParseFailures::messageText(const QString& path) const {
    if (listed_.empty()) return {};
    const ParseFailure& first = listed_.front();
    QString text = shell::myLoadResString(18) + first.description + shell::myLoadResString(0) +
                   QString::number(static_cast<int>(first.code)) + QStringLiteral("\r\n") + path;
    if (first.line > 0) text += QStringLiteral(", line %1").arg(first.line);
    if (total_ == 2) text += QStringLiteral("\r\n1 more failure in this file:");
    if (total_ > 2) text += QStringLiteral("\r\n%1 more failures in this file:").arg(total_ - 1);
    for (auto it = listed_.begin() + 1; it != listed_.end(); ++it) {
        const ParseFailure& f = *it;
        text += QStringLiteral("\r\n");
        if (f.line > 0) text += QStringLiteral("line %1: ").arg(f.line);
        text += f.description;
    }
    return text;
}

}  // namespace varnel::ingest
