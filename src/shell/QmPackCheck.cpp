#include "shell/QmPackCheck.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace varnel::shell {

namespace {

// The file's first bytes.
constexpr std::array<unsigned char, 16> magic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                                 0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Section tags; each section is its tag, its length (32 bits, big-endian)
// and its bytes.
enum : unsigned char {
    contextsTag = 0x2f,
    hashesTag = 0x42,
    messagesTag = 0x69,
    dependenciesTag = 0x96,
};
constexpr std::size_t sectionHeader = 5;

// Field tags within a message; each but the end is followed by a 32-bit
// length (the obsolete one by 4 bytes it never reads).
enum : unsigned char {
    endTag = 1,
    translationTag = 3,
    obsoleteTag = 5,
    sourceTextTag = 6,
    contextTag = 7,
    commentTag = 8,
};
constexpr std::size_t fieldHeader = 5;

using Bytes = const unsigned char*;

uint32_t read16(Bytes p) { return (uint32_t{p[0]} << 8) | p[1]; }
uint32_t read32(Bytes p) { return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3]; }

struct Section {
    Bytes data = nullptr;
    std::size_t size = 0;
};

// The hash of a context name in the contexts section's table.
uint32_t elfHash(const char* name) {
    uint32_t h = 0;
    for (const auto* k = reinterpret_cast<const unsigned char*>(name); *k != 0; ++k) {
        h = (h << 4) + *k;
        const uint32_t g = h & 0xf0000000;
        if (g != 0) h ^= g >> 24;
        h &= ~g;
    }
    return h != 0 ? h : 1;
}

// The contexts section: a 16-bit table size, that many 16-bit offsets (in
// units of two bytes past the table), and lists of length-prefixed names. A
// lookup reads the bucket of its context's hash and walks the list there
// until it meets the name or a zero length. Lists that lrelease writes need
// not end in a zero length (the next list follows), so only the walk that
// the lookup of this context takes is followed: it must stay inside the
// section.
bool contextWalkIsSound(const Section& contexts, const char* context) {
    if (contexts.size == 0) return true;  // absent: the lookup does not use it
    if (contexts.size < 2) return false;
    const std::size_t tableSize = read16(contexts.data);
    const std::size_t listsStart = 2 + 2 * tableSize;
    if (tableSize == 0 || listsStart > contexts.size) return false;
    const std::size_t offset = read16(contexts.data + 2 + 2 * (elfHash(context) % tableSize));
    if (offset == 0) return true;
    const std::size_t contextLength = std::strlen(context);
    for (std::size_t at = listsStart + 2 * offset;;) {
        if (at >= contexts.size) return false;
        const std::size_t length = contexts.data[at];
        if (length == 0) return true;
        if (at + 1 + length > contexts.size) return false;
        if (length == contextLength && std::memcmp(contexts.data + at + 1, context, length) == 0) return true;
        at += 1 + length;
    }
}

// soundFrom[i]: the fields read from byte i of the messages section on, as
// a lookup reads them, stay inside the section. A lookup stops at the end
// tag, at a tag it does not know, at a translation of odd length and where
// the section ends; every other field's length must fit in what is left.
std::vector<unsigned char> soundMessageStarts(const Section& messages) {
    const std::size_t size = messages.size;
    std::vector<unsigned char> soundFrom(size + 1, 0);
    soundFrom[size] = 1;
    for (std::size_t i = size; i-- > 0;) {
        const unsigned char tag = messages.data[i];
        bool sound = true;
        switch (tag) {
            case obsoleteTag:
                sound = i + fieldHeader <= size && soundFrom[i + fieldHeader];
                break;
            case translationTag:
            case sourceTextTag:
            case contextTag:
            case commentTag: {
                if (i + fieldHeader > size) {
                    sound = false;
                    break;
                }
                const uint64_t length = read32(messages.data + i + 1);
                if (tag == translationTag && (length & 1) != 0) break;
                const uint64_t next = i + fieldHeader + length;
                // An empty comment has its next byte read as well.
                const bool peeked = tag == commentTag && length == 0;
                sound = next + (peeked ? 1 : 0) <= size && soundFrom[next];
                break;
            }
            default:  // the end tag and tags a lookup does not know
                break;
        }
        soundFrom[i] = sound;
    }
    return soundFrom;
}

// The hashes section: pairs of a 32-bit hash and a 32-bit offset of a
// message. A lookup reads whole pairs and follows every offset of its hash.
bool hashesAreSound(const Section& hashes, const Section& messages) {
    if (hashes.size % 8 != 0) return false;
    const std::vector<unsigned char> soundFrom = soundMessageStarts(messages);
    for (std::size_t pair = 0; pair < hashes.size; pair += 8) {
        const std::size_t offset = read32(hashes.data + pair + 4);
        if (offset > messages.size || !soundFrom[offset]) return false;
    }
    return true;
}

}  // namespace

std::optional<QString> qmPackProblem(QByteArrayView bytes, const char* context) {
    const auto* data = reinterpret_cast<Bytes>(bytes.data());
    const auto size = static_cast<std::size_t>(bytes.size());
    if (size < magic.size() || std::memcmp(data, magic.data(), magic.size()) != 0)
        return QStringLiteral("it is not a compiled translation file");

    // The sections as Qt takes them: in order, a later one of a kind in
    // place of an earlier one, up to a zero tag or length or the last five
    // bytes.
    Section contexts, hashes, messages;
    std::size_t at = magic.size();
    while (size - at > sectionHeader) {
        const unsigned char tag = data[at];
        const std::size_t length = read32(data + at + 1);
        at += sectionHeader;
        if (tag == 0 || length == 0) break;
        if (length > size - at) return QStringLiteral("a section runs past the end of the file");
        const Section section{data + at, length};
        switch (tag) {
            case contextsTag:
                contexts = section;
                break;
            case hashesTag:
                hashes = section;
                break;
            case messagesTag:
                messages = section;
                break;
            case dependenciesTag:
                // Qt would load the packs named there, by names it derives
                // from them; a pack of this program stands alone.
                return QStringLiteral("it names other translation files to load");
            default:
                break;
        }
        at += length;
    }
    if (!contextWalkIsSound(contexts, context)) return QStringLiteral("its table of contexts is damaged");
    if (!hashesAreSound(hashes, messages)) return QStringLiteral("its table of messages is damaged");
    return std::nullopt;
}

}  // namespace varnel::shell
