#include "ingest/SerialList.h"

#include "ingest/LogText.h"
#include "ingest/SameText.h"
#include "platform/AsciiCase.h"

namespace varnel::ingest {

namespace {

bool hasUpperCase(std::string_view text) {
    for (char c : text)
        if (platform::asciiLower(c) != c) return true;
    return false;
}

}  // namespace

std::size_t SerialList::recentSlot(std::string_view serial) {
    uint64_t h = serial.size();
    for (const char c : serial) h = h * 31 + static_cast<unsigned char>(c);
    return static_cast<std::size_t>((h * 0x9E3779B97F4A7C15) >> (64 - recentBits));
}

// Serial numbers are mostly digits, which fold to themselves: those are
// looked up as they are, without a folded copy.
void SerialList::add(std::string_view serial) {
    Recent& recent = recent_[recentSlot(serial)];
    if (recent.used && sameText(recent.text, serial)) return;
    recent.text.assign(serial);
    recent.used = true;

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
    for (Recent& recent : recent_) recent.used = false;
}

QStringList SerialList::nodes() const {
    QStringList out;
    for (const std::string& entry : entries_)
        if (!entry.empty()) out << logText(entry);
    return out;
}

}  // namespace varnel::ingest
