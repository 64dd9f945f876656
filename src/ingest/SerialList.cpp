#include "ingest/SerialList.h"

#include "ingest/LogText.h"
#include "ingest/TextWords.h"
#include "text/AsciiCase.h"

namespace varnel::ingest {

namespace {

bool hasUpperCase(std::string_view text) {
    for (char c : text)
        if (text::asciiLower(c) != c) return true;
    return false;
}

}  // namespace

// Serial numbers are mostly digits, which fold to themselves: those are
// looked up as they are, without a folded copy.
void SerialList::add(std::string_view serial) {
    if (serial.size() - 1 < 8) {  // one to eight bytes
        const Recent key{shortTextWord(serial.data(), serial.size()), serial.size()};
        const std::size_t pair = ((key.word + key.size) * 0x9E3779B97F4A7C15) >> (64 - recentPairBits);
        Recent* const two = &recent_[2 * pair];
        const auto same = [&key](const Recent& r) { return r.word == key.word && r.size == key.size; };
        if (same(two[0]) || same(two[1])) return;
        // The newer of the pair stays, the older makes room.
        two[1] = two[0];
        two[0] = key;
    }

    std::string_view key = serial;
    if (hasUpperCase(serial)) {
        lookupKey_.assign(serial);
        for (char& c : lookupKey_) c = text::asciiLower(c);
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
    recent_.fill({});
}

QStringList SerialList::nodes() const {
    QStringList out;
    for (const std::string& entry : entries_)
        if (!entry.empty()) out << logText(entry);
    return out;
}

}  // namespace varnel::ingest
