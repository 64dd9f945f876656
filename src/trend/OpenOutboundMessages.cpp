#include "trend/OpenOutboundMessages.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace varnel::trend {

namespace {

constexpr std::size_t fewestSlots = 64;

constexpr uint64_t ones = 0x0101010101010101ull;

// Identifiers are read eight bytes at a time: they mix letters and digits at
// random, which a branch per byte would mispredict half the time.

// The bytes A-Z of the word in lower case, every other byte as it is.
constexpr uint64_t lowerWord(uint64_t word) {
    const uint64_t low7 = word & (0x7f * ones);
    const uint64_t fromA = low7 + (0x80 - 'A') * ones;      // high bit where the byte is 'A' or above
    const uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * ones;  // high bit where it is above 'Z'
    return word | ((fromA & ~pastZ & ~word & (0x80 * ones)) >> 2);
}
static_assert(lowerWord(0x4041'5A5B'617A'C1DAull) == 0x4061'7A5B'617A'C1DAull);

uint64_t wholeWordAt(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

// A text of fewer than eight bytes as one word, zero beyond its end.
uint64_t shortWordAt(const char* at, std::size_t bytes) {
    uint64_t word = 0;
    if (bytes > 0) std::memcpy(&word, at, bytes);
    return word;
}

// Calls step with each word of the text in lower case and the offset of its
// first byte; stops early when step returns false. A text of eight bytes or
// more ends with its last eight, which overlap the word before, so that no
// word but that of a short text is read in part.
template <typename Step>
bool forLowerWords(std::string_view text, Step step) {
    const char* data = text.data();
    const std::size_t size = text.size();
    if (size < 8) return step(lowerWord(shortWordAt(data, size)), 0);
    for (std::size_t at = 0; at + 8 < size; at += 8)
        if (!step(lowerWord(wholeWordAt(data + at)), at)) return false;
    return step(lowerWord(wholeWordAt(data + size - 8)), size - 8);
}

uint64_t lowerHash(std::string_view text) {
    constexpr uint64_t odd = 0x9e3779b97f4a7c15ull;
    uint64_t hash = text.size() * odd;
    forLowerWords(text, [&hash](uint64_t word, std::size_t) {
        hash = (hash ^ word) * odd;
        return true;
    });
    // The low bits choose the slot: give them the high bits' mixing.
    return hash ^ (hash >> 29);
}

// Whether text with A-Z in lower case is lowered.
bool equalsLowered(std::string_view text, const std::string& lowered) {
    if (text.size() != lowered.size()) return false;
    const char* data = lowered.data();
    const std::size_t size = lowered.size();
    return forLowerWords(text, [data, size](uint64_t word, std::size_t at) {
        return word == (size < 8 ? shortWordAt(data, size) : wholeWordAt(data + at));
    });
}

void assignLowered(std::string_view text, std::string& out) {
    out.resize(text.size());  // keeps the room out had
    char* data = out.data();
    const std::size_t size = out.size();
    forLowerWords(text, [data, size](uint64_t word, std::size_t at) {
        if (size > 0) std::memcpy(data + at, &word, std::min<std::size_t>(size, 8));
        return true;
    });
}

}  // namespace

OpenOutboundMessages::OpenOutboundMessages() : slots_(fewestSlots) {}

void OpenOutboundMessages::queue(std::string_view identifier, int64_t second, int64_t day) {
    Slot slot{lowerHash(identifier), second, day, nextOrder_++, 0};
    if (unusedTexts_.empty()) {
        slot.text = static_cast<uint32_t>(texts_.size());
        texts_.emplace_back();
    } else {
        slot.text = unusedTexts_.back();
        unusedTexts_.pop_back();
    }
    assignLowered(identifier, texts_[slot.text]);
    ++waiting_;
    if (waiting_ * 2 > slots_.size()) rebuildSlots(slots_.size() * 2);
    insert(slot);
}

std::optional<int64_t> OpenOutboundMessages::clear(std::string_view identifier, int64_t second) {
    const uint64_t hash = lowerHash(identifier);
    const std::size_t mask = slots_.size() - 1;
    std::optional<std::size_t> taken;
    for (std::size_t at = hash & mask; slots_[at].text != noText; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.hash != hash || slot.second > second) continue;
        if (taken) {
            const Slot& best = slots_[*taken];
            if (best.second < slot.second || (best.second == slot.second && best.order < slot.order)) continue;
        }
        if (equalsLowered(identifier, texts_[slot.text])) taken = at;
    }
    if (!taken) return std::nullopt;
    const int64_t queued = slots_[*taken].second;
    unusedTexts_.push_back(slots_[*taken].text);
    removeSlot(*taken);
    --waiting_;
    return queued;
}

void OpenOutboundMessages::forgetQueuedBefore(int64_t firstKeptDay) {
    std::vector<Slot> kept;
    std::vector<std::string> keptTexts;
    for (const Slot& slot : slots_) {
        if (slot.text == noText || slot.day < firstKeptDay) continue;
        kept.push_back(slot);
        kept.back().text = static_cast<uint32_t>(keptTexts.size());
        keptTexts.push_back(std::move(texts_[slot.text]));
    }
    texts_ = std::move(keptTexts);
    unusedTexts_ = {};
    waiting_ = kept.size();
    slots_.assign(std::max(fewestSlots, std::bit_ceil(waiting_ * 4)), {});
    for (const Slot& slot : kept) insert(slot);
}

void OpenOutboundMessages::insert(const Slot& slot) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = slot.hash & mask;
    while (slots_[at].text != noText) at = (at + 1) & mask;
    slots_[at] = slot;
}

// Linear probing without markers of removed slots: the slots after the one
// emptied that could not be found past the gap move back into it.
void OpenOutboundMessages::removeSlot(std::size_t at) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t gap = at;
    for (std::size_t next = (gap + 1) & mask; slots_[next].text != noText; next = (next + 1) & mask) {
        const std::size_t home = slots_[next].hash & mask;
        // Whether home lies cyclically in (gap, next]: the slot is found from
        // home without crossing the gap, so it stays.
        const bool stays = gap <= next ? (gap < home && home <= next) : (gap < home || home <= next);
        if (stays) continue;
        slots_[gap] = slots_[next];
        gap = next;
    }
    slots_[gap] = {};
}

void OpenOutboundMessages::rebuildSlots(std::size_t slotCount) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(slotCount, {});
    for (const Slot& slot : old)
        if (slot.text != noText) insert(slot);
}

}  // namespace varnel::trend
