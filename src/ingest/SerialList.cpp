#include "ingest/SerialList.h"

#include "ingest/LogText.h"
#include "platform/AsciiCase.h"

namespace varnel::ingest {

namespace {

bool hasUpperCase(std::string_view text) {
    for (char c : text)
        if (platform::asciiLower(c) != c) return true;
    return false;
}

}  // namespace

// Serial numbers are mostly digits, which fold to themselves: those are
// looked up as they are, without a folded copy, once per message line.
void SerialList::add(std::string_view serial) {
    std::string_view key = serial;
    if (hasUpperCase(serial)) {
        lookupKey_.assign(serial);
        for (char& c : lookupKey_) c = platform::asciiLower(c);
        key = lookupKey_;
    }
    if (foldedKeys_.contains(key)) return;
    foldedKeys_.emplace(key);
    entries_.emplace_back(serial);
    textLength_ += serial.size() + 1;
}

void SerialList::clear() {
    entries_.clear();
    foldedKeys_.clear();
    textLength_ = 0;
}

QStringList SerialList::nodes() const {
    QStringList out;
    for (const std::string& entry : entries_)
        if (!entry.empty()) out << logText(entry);
    return out;
}

}  // namespace varnel::ingest
