#include "trend/OpenOutboundMessages.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "text/AsciiCase.h"

namespace varnel::trend {

namespace {

constexpr std::size_t fewestSlots = 64;

constexpr uint64_t ones = 0x0101010101010101ull;

// Identifiers are read eight bytes at a time.
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

// Calls step with each word of the text and the offset of its first byte;
// stops early when step returns false. A text of eight bytes or more ends
// with its last eight, which overlap the word before, so that no word but
// that of a short text is read in part.
template <typename Step>
bool forWords(std::string_view text, Step step) {
    const char* data = text.data();
    const std::size_t size = text.size();
    if (size < 8) return step(shortWordAt(data, size), 0);
    for (std::size_t at = 0; at + 8 < size; at += 8)
        if (!step(wholeWordAt(data + at), at)) return false;
    return step(wholeWordAt(data + size - 8), size - 8);
}

// A hash that takes A-Z and a-z alike: every byte's bit 0x20 is set first.
// Other bytes that differ in that bit only share a hash too, which costs a
// comparison, not a wrong match.
uint64_t caseBlindHash(std::string_view text) {
    constexpr uint64_t odd = 0x9e3779b97f4a7c15ull;
    constexpr uint64_t fold = 0x20 * ones;
    const char* data = text.data();
    const std::size_t size = text.size();
    uint64_t hash = size * odd;
    if (size < 8) {
        hash = (hash ^ (shortWordAt(data, size) | fold)) * odd;
    } else {
        for (std::size_t at = 0; at + 8 < size; at += 8) hash = (hash ^ (wholeWordAt(data + at) | fold)) * odd;
        hash = (hash ^ (wholeWordAt(data + size - 8) | fold)) * odd;
    }
    // The low bits choose the slot: give them the high bits' mixing.
    return hash ^ (hash >> 29);
}

// The word at offset at of a kept text of size bytes, as forWords gives it.
uint64_t keptWordAt(const char* kept, std::size_t size, std::size_t at) {
    return size < 8 ? shortWordAt(kept, size) : wholeWordAt(kept + at);
}

// Whether text equals kept, a text of its size, with A-Z and a-z alike. A
// message's clear mostly spells its identifier as its queued line did, so
// the bytes are compared as they are first.
bool equalsIgnoringCase(std::string_view text, const char* kept) {
    const std::size_t size = text.size();
    if (forWords(text, [kept, size](uint64_t word, std::size_t at) { return word == keptWordAt(kept, size, at); }))
        return true;
    return forWords(text, [kept, size](uint64_t word, std::size_t at) {
        return text::asciiLowerWord(word) == text::asciiLowerWord(keptWordAt(kept, size, at));
    });
}

// Text into out, which has room for text's size.
void copyText(std::string_view text, char* out) {
    const std::size_t size = text.size();
    forWords(text, [out, size](uint64_t word, std::size_t at) {
        // Whole words where the text has them: a copy of a fixed size is a
        // single move.
        if (size >= 8)
            std::memcpy(out + at, &word, 8);
        else
            std::memcpy(out, &word, size);
        return true;
    });
}

}  // namespace

OpenOutboundMessages::OpenOutboundMessages() : slots_(fewestSlots) {}

const char* OpenOutboundMessages::keptText(const Slot& slot) const {
    return slot.size <= slotTextBytes ? slot.text : longTexts_[slot.longText].data();
}

void OpenOutboundMessages::queue(std::string_view identifier, int64_t second, int64_t day) {
    Slot slot;
    slot.hash = caseBlindHash(identifier);
    slot.second = second;
    slot.day = day;
    slot.order = nextOrder_++;
    slot.size = static_cast<uint32_t>(identifier.size());
    if (identifier.size() <= slotTextBytes) {
        copyText(identifier, slot.text);
    } else {
        if (unusedTexts_.empty()) {
            slot.longText = static_cast<uint32_t>(longTexts_.size());
            longTexts_.emplace_back();
        } else {
            slot.longText = unusedTexts_.back();
            unusedTexts_.pop_back();
        }
        std::string& text = longTexts_[slot.longText];
        text.resize(identifier.size());  // keeps the room text had
        copyText(identifier, text.data());
    }
    ++waiting_;
    if (waiting_ * 2 > slots_.size()) rebuildSlots(slots_.size() * 2);
    insert(slot);
}

std::optional<int64_t> OpenOutboundMessages::clear(std::string_view identifier, int64_t second) {
    const uint64_t hash = caseBlindHash(identifier);
    const std::size_t mask = slots_.size() - 1;
    std::optional<std::size_t> taken;
    for (std::size_t at = hash & mask; slots_[at].size != freeSlot; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.hash != hash || slot.size != identifier.size() || slot.second > second) continue;
        if (taken) {
            const Slot& best = slots_[*taken];
            if (best.second < slot.second || (best.second == slot.second && best.order < slot.order)) continue;
        }
        if (equalsIgnoringCase(identifier, keptText(slot))) taken = at;
    }
    if (!taken) return std::nullopt;
    const Slot& slot = slots_[*taken];
    const int64_t queued = slot.second;
    if (slot.size > slotTextBytes) unusedTexts_.push_back(slot.longText);
    removeSlot(*taken);
    --waiting_;
    return queued;
}

void OpenOutboundMessages::forgetQueuedBefore(int64_t firstKeptDay) {
    std::vector<Slot> kept;
    std::vector<std::string> keptTexts;
    for (const Slot& slot : slots_) {
        if (slot.size == freeSlot || slot.day < firstKeptDay) continue;
        kept.push_back(slot);
        if (slot.size <= slotTextBytes) continue;
        kept.back().longText = static_cast<uint32_t>(keptTexts.size());
        keptTexts.push_back(std::move(longTexts_[slot.longText]));
    }
    longTexts_ = std::move(keptTexts);
    unusedTexts_ = {};
    waiting_ = kept.size();
    slots_.assign(std::max(fewestSlots, std::bit_ceil(waiting_ * 4)), {});
    for (const Slot& slot : kept) insert(slot);
}

void OpenOutboundMessages::insert(const Slot& slot) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = slot.hash & mask;
    while (slots_[at].size != freeSlot) at = (at + 1) & mask;
    slots_[at] = slot;
}

// Linear probing without markers of removed slots: the slots after the one
// emptied that could not be found past the gap move back into it.
void OpenOutboundMessages::removeSlot(std::size_t at) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t gap = at;
    for (std::size_t next = (gap + 1) & mask; slots_[next].size != freeSlot; next = (next + 1) & mask) {
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
        if (slot.size != freeSlot) insert(slot);
}

}  // namespace varnel::trend
