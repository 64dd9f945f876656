#include "ingest/SerialList.h"

#include "ingest/LogText.h"
#include "platform/AsciiCase.h"

namespace varnel::ingest {

void SerialList::add(std::string_view serial) {
    if (spellings_.contains(serial)) return;
    spellings_.emplace(serial);
    lookupKey_.assign(serial);
    for (char& c : lookupKey_) c = platform::asciiLower(c);
    if (foldedKeys_.contains(lookupKey_)) return;
    foldedKeys_.insert(lookupKey_);
    entries_.emplace_back(serial);
    textLength_ += serial.size() + 1;
}

void SerialList::clear() {
    entries_.clear();
    foldedKeys_.clear();
    spellings_.clear();
    textLength_ = 0;
}

QStringList SerialList::nodes() const {
    QStringList out;
    for (const std::string& entry : entries_)
        if (!entry.empty()) out << logText(entry);
    return out;
}

}  // namespace varnel::ingest
