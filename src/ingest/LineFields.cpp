#include "ingest/LineFields.h"

#include <algorithm>
#include <bit>

#include "ingest/TextWords.h"

namespace varnel::ingest {

namespace {

constexpr uint64_t everyByte = 0x0101010101010101;
constexpr uint64_t lowBits = 0x7F7F7F7F7F7F7F7F;

// The top bit of every byte of the word that equals c, and nothing else: no
// carry crosses from one byte into the next, whatever the bytes hold.
uint64_t bytesEqualTo(uint64_t word, char c) {
    const uint64_t x = word ^ (everyByte * static_cast<unsigned char>(c));
    return ~(((x & lowBits) + lowBits) | x | lowBits);
}

// Nonzero when some byte of the word is below 0x0E, as LF and CR are. Cheaper
// than looking for both exactly, which is done only for the few words of a
// line that pass this.
bool mayHoldALineEnd(uint64_t word) { return ((word - everyByte * 0x0E) & ~word & ~lowBits) != 0; }

// The top bit of every LF and CR of the word.
uint64_t lineEndsIn(uint64_t word) {
    return mayHoldALineEnd(word) ? bytesEqualTo(word, '\n') | bytesEqualTo(word, '\r') : 0;
}

const char* markedByte(uint64_t marks, const char* word) { return word + (std::countr_zero(marks) >> 3); }

}  // namespace

const char* LineFields::cutLine(const char* begin, const char* end) {
    std::size_t count = 1;
    // A field begins after each comma; the commas past the kept fields all
    // land in the last slot.
    const auto fieldAfter = [this, &count](const char* comma) {
        starts_[std::min(count, kept + 1)] = comma + 1;
        ++count;
    };
    starts_[0] = begin;
    const char* p = begin;
    const char* lineEnd = end;
    for (; end - p >= 8; p += 8) {
        const uint64_t word = loadWord<uint64_t>(p);
        uint64_t commas = bytesEqualTo(word, ',');
        const uint64_t lineEnds = lineEndsIn(word);
        // Only the commas before the first line end belong to this line.
        if (lineEnds != 0) commas &= (lineEnds & (0 - lineEnds)) - 1;
        for (; commas != 0; commas &= commas - 1) fieldAfter(markedByte(commas, p));
        if (lineEnds != 0) {
            lineEnd = markedByte(lineEnds, p);
            break;
        }
    }
    if (lineEnd == end) {
        for (; p != end; ++p) {
            if (*p == ',') {
                fieldAfter(p);
            } else if (*p == '\n' || *p == '\r') {
                lineEnd = p;
                break;
            }
        }
    }
    count_ = count;
    end_ = lineEnd;
    return lineEnd;
}

}  // namespace varnel::ingest
