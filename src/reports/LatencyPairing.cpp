#include "reports/LatencyPairing.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <tuple>

#include "reports/PercentDone.h"
#include "reports/TwoThreads.h"
#include "store/RawRows.h"
#include "text/AsciiCase.h"
#include "text/PackedIdentifier.h"

namespace varnel::reports {

namespace {

constexpr uint32_t noEvent = std::numeric_limits<uint32_t>::max();
// Marks kept beside an event's number in the pairing's own lists of
// events: that a group's identifier is that of the group before it (on its
// first event), that a group has further events (on its second).
constexpr uint32_t sameIdentifier = uint32_t{1} << 31;
constexpr uint32_t hasFurther = uint32_t{1} << 30;
constexpr uint32_t eventMask = hasFurther - 1;
// The identifiers' first digits that a packed identifier's bucket is made of.
constexpr int bucketBits = 16;
constexpr std::size_t buckets = std::size_t{1} << bucketBits;

unsigned char lowered(char c) { return static_cast<unsigned char>(text::asciiLower(c)); }

// The two texts compared byte by byte with A-Z lowered: <0, 0 or >0.
int compareLowered(std::string_view first, std::string_view second) {
    const std::size_t common = std::min(first.size(), second.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = lowered(first[i]);
        const unsigned char y = lowered(second[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return first.size() < second.size() ? -1 : first.size() > second.size() ? 1 : 0;
}

bool equalLowered(std::string_view first, std::string_view second) {
    return first.size() == second.size() && compareLowered(first, second) == 0;
}

uint64_t loadWord(const char* bytes, std::size_t count) {
    uint64_t word = 0;
    std::memcpy(&word, bytes, count);
    return word;
}

uint32_t loweredHash(std::string_view text) {
    uint64_t hash = text.size() * 0x9E3779B97F4A7C15ull;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        hash = (hash ^ text::asciiLowerWord(loadWord(text.data() + i, 8))) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    if (i < text.size()) {
        hash = (hash ^ text::asciiLowerWord(loadWord(text.data() + i, text.size() - i))) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    return static_cast<uint32_t>(hash ^ hash >> 29);
}

// Eight lowered bytes of text from position from on, the first one highest,
// missing bytes 0: two texts that agree before from and differ in these
// bytes are in the order of their prefixes.
uint64_t orderPrefix(std::string_view text, std::size_t from) {
    uint64_t prefix = 0;
    for (std::size_t i = from; i < from + 8; ++i) prefix = prefix << 8 | (i < text.size() ? lowered(text[i]) : 0u);
    return prefix;
}

// How many leading bytes the two texts share with A-Z lowered, at most limit.
std::size_t sharedLoweredPrefix(std::string_view first, std::string_view second, std::size_t limit) {
    limit = std::min({limit, first.size(), second.size()});
    std::size_t i = 0;
    while (i < limit && lowered(first[i]) == lowered(second[i])) ++i;
    return i;
}

// The share of a pairing done: each step's part of 100, the step's done
// items out of its count, for another thread to show.
void tellDone(std::atomic<int>* percentDone, int stepStart, int stepPercent, uint64_t done, uint64_t count) {
    if (percentDone && count > 0)
        percentDone->store(percentWithin(stepStart, stepPercent, done, count), std::memory_order_relaxed);
}

// Takes event e, the latest of its group so far, into the group's first
// two events, in time and then stored order, or else among its further
// ones; tells whether it is the group's first.
bool takeIntoGroup(EventPair& two, uint32_t e, const MessageEvents& events, std::vector<EventPair>& further) {
    if (two.first == noEvent) {
        two.first = e;
        return true;
    }
    if (two.second == noEvent) {
        // The two in time order already: the first one is seldom far back,
        // so its time is still at hand.
        if (events.secondsOfDay(e) < events.secondsOfDay(two.first))
            two = {e, two.first};
        else
            two.second = e;
    } else {
        further.push_back({two.first, e});
        two.second |= hasFurther;
    }
    return false;
}

// The recent identifiers' table: sets of four entries in one cache line.
// An entry holds the identifier's hash above and its group + 1 below.
constexpr std::size_t recentWays = 4;
uint64_t recentEntry(uint32_t hash, uint32_t group) { return uint64_t{hash} << 32 | (group + 1u); }

// An identifier's sort key: eight bytes of its lowered text and its group.
struct GroupKey {
    uint64_t prefix;
    uint32_t group;
    bool operator<(const GroupKey& other) const {
        return prefix != other.prefix ? prefix < other.prefix : group < other.group;
    }
};

// Sorts the keys on two threads: split at a sampled key, each side sorted by
// one of them.
void sortKeys(containers::LargeVector<GroupKey>& keys) {
    constexpr std::size_t worthSplitting = 1 << 15;
    if (keys.size() < worthSplitting) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    std::vector<GroupKey> sample;
    constexpr std::size_t samples = 255;
    for (std::size_t i = 0; i < samples; ++i) sample.push_back(keys[i * keys.size() / samples]);
    std::nth_element(sample.begin(), sample.begin() + samples / 2, sample.end());
    const GroupKey pivot = sample[samples / 2];
    const auto middle = std::partition(keys.begin(), keys.end(), [&](const GroupKey& k) { return k < pivot; });
    onTwoThreads([&](int part) {
        if (part == 0)
            std::sort(keys.begin(), middle);
        else
            std::sort(middle, keys.end());
    });
}

}  // namespace

MessageEvents::Identifier MessageEvents::identify(std::string_view text) {
    Identifier identifier{text, {0, 0}, false, Form::Text};
    const std::optional<text::PackedIdentifier> packed = text::packIdentifier(text);
    if (!packed) return identifier;
    identifier.packed = {packed->high, packed->low};
    identifier.isPacked = true;
    identifier.form = packed->hasUpper && packed->hasLower ? Form::Text : packed->hasLower ? Form::Lower : Form::Upper;
    return identifier;
}

// Texts equal but for the case of A-Z are either both packed or neither, so
// the hash of a packed identifier is made from its digits.
uint32_t MessageEvents::hashOf(const Identifier& identifier) {
    if (!identifier.isPacked) return loweredHash(identifier.text);
    uint64_t hash = (identifier.packed.high ^ std::rotl(identifier.packed.low, 29)) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
    return static_cast<uint32_t>(hash ^ hash >> 29);
}

IdentifierText MessageEvents::groupText(uint32_t group) const {
    IdentifierText text;
    const Group& kept = groups_[group];
    const Form form = forms_[group];
    if (form == Form::Text) {
        text.text_ = texts_.text(static_cast<uint32_t>(kept.high), static_cast<uint32_t>(kept.low));
        return text;
    }
    text.letters_ = text::spellIdentifier(kept.high, kept.low, form == Form::Upper);
    text.spelt_ = true;
    return text;
}

uint64_t* MessageEvents::recentSet(uint32_t hash) {
    if (recent_.empty()) recent_.assign(recentIdentifiers, 0);
    return recent_.data() + (hash & (recentIdentifiers / recentWays - 1)) * recentWays;
}

uint32_t MessageEvents::groupOf(const Identifier& identifier, uint32_t hash, bool& added, bool& sameSpelling) {
    added = false;
    sameSpelling = true;
    // Whether group g is the identifier's, and if so whether spelt alike.
    const auto isItsGroup = [&](uint32_t g) {
        const Group& kept = groups_[g];
        const Form form = forms_[g];
        if (form != Form::Text) {
            if (!identifier.isPacked || kept.high != identifier.packed.high || kept.low != identifier.packed.low)
                return false;
            sameSpelling = identifier.form == form;
            return true;
        }
        const std::string_view text = texts_.text(static_cast<uint32_t>(kept.high), static_cast<uint32_t>(kept.low));
        if (text == identifier.text) return true;
        sameSpelling = false;
        return equalLowered(text, identifier.text);
    };
    uint64_t* set = recentSet(hash);
    uint64_t* oldest = set;
    for (std::size_t way = 0; way < recentWays; ++way) {
        const uint64_t entry = set[way];
        if (static_cast<uint32_t>(entry) < static_cast<uint32_t>(*oldest)) oldest = set + way;
        if (static_cast<uint32_t>(entry >> 32) != hash || !entry) continue;
        const auto g = static_cast<uint32_t>(entry) - 1;
        if (isItsGroup(g)) return g;
    }
    // A new identifier, or one met too long ago: a group of its own, in place
    // of the set's oldest identifier.
    const auto g = static_cast<uint32_t>(groups_.size());
    if (identifier.isPacked && identifier.form != Form::Text) {
        groups_.push_back(identifier.packed);
    } else {
        groups_.push_back({texts_.add(identifier.text), identifier.text.size()});
    }
    forms_.push_back(identifier.isPacked ? identifier.form : Form::Text);
    *oldest = recentEntry(hash, g);
    added = true;
    sameSpelling = true;
    return g;
}

uint32_t MessageEvents::nodesIndex(double veyra, double keldan) {
    // The serials compared bit for bit, as the key below is made of them.
    const auto veyraBits = std::bit_cast<uint64_t>(veyra);
    const auto keldanBits = std::bit_cast<uint64_t>(keldan);
    const auto same = [veyraBits, keldanBits](const Nodes& nodes) {
        return std::bit_cast<uint64_t>(nodes.veyra) == veyraBits && std::bit_cast<uint64_t>(nodes.keldan) == keldanBits;
    };
    const uint64_t key = veyraBits * 0x9E3779B97F4A7C15ull ^ keldanBits;
    // Messages run between a few dozen nodes: their pairs are mostly found
    // among the recent ones without a look-up in the index.
    RecentNodes& recent = recentNodes_[(key * 0xFF51AFD7ED558CCDull) >> (64 - recentNodesBits)];
    if (recent.index != 0 && recent.veyraBits == veyraBits && recent.keldanBits == keldanBits) return recent.index - 1;
    const uint32_t index = [&] {
        auto [it, added] = nodeIndex_.try_emplace(key, static_cast<uint32_t>(nodes_.size()));
        if (added) {
            nodes_.push_back({veyra, keldan});
            return it->second;
        }
        if (same(nodes_[it->second])) return it->second;
        // Two pairs of one key: rare enough for a search.
        for (uint32_t n = 0; n < nodes_.size(); ++n)
            if (same(nodes_[n])) return n;
        nodes_.push_back({veyra, keldan});
        return static_cast<uint32_t>(nodes_.size() - 1);
    }();
    recent = {veyraBits, keldanBits, index + 1};
    return index;
}

void MessageEvents::add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial,
                        double keldanSerial) {
    const Identifier identifier = identify(guid);
    add({guid, secondsOfDay, messageType, veyraSerial, keldanSerial}, identifier, hashOf(identifier));
}

template <typename Added>
void MessageEvents::addAll(std::span<const NewEvent> events, const Added& added) {
    // The batch's identifiers are kept in lists reused from batch to batch.
    std::vector<Identifier>& identifiers = batchIdentifiers_;
    std::vector<uint32_t>& hashes = batchHashes_;
    identifiers.clear();
    hashes.clear();
    for (const NewEvent& event : events) {
        identifiers.push_back(identify(event.guid));
        hashes.push_back(hashOf(identifiers.back()));
        __builtin_prefetch(recentSet(hashes.back()));
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        const uint32_t group = add(events[i], identifiers[i], hashes[i]);
        added(i, group);
    }
}

void MessageEvents::add(std::span<const NewEvent> events) {
    addAll(events, [](std::size_t, uint32_t) {});
}

void MessageEvents::add(std::span<const NewEvent> events, GroupHeads& heads) {
    addAll(events, [&](std::size_t i, uint32_t group) {
        if (events[i].takesPart) heads.take(static_cast<uint32_t>(events_.size() - 1), group, *this);
    });
}

uint32_t MessageEvents::add(const NewEvent& event, const Identifier& identifier, uint32_t hash) {
    bool added = false;
    bool sameSpelling = true;
    const uint32_t group = groupOf(identifier, hash, added, sameSpelling);
    const auto index = static_cast<uint32_t>(events_.size());
    if (!sameSpelling) spellings_.emplace(index, std::string(event.guid));
    const int typeByte = event.messageType >= -128 && event.messageType <= 127 ? event.messageType : 127;
    const uint32_t nodes = nodesIndex(store::storedReal(event.veyraSerial), store::storedReal(event.keldanSerial));
    events_.push_back(
        {group, static_cast<int32_t>(static_cast<uint32_t>(event.secondsOfDay) << 8 | (typeByte & 0xff))});
    if (nodes < farNodesMark) {
        nodesOfEvent_.push_back(static_cast<uint16_t>(nodes));
    } else {
        farNodes_.emplace(index, nodes);
        nodesOfEvent_.push_back(farNodesMark);
    }
    return group;
}

IdentifierText MessageEvents::guid(uint32_t event) const {
    if (!spellings_.empty())
        if (const auto it = spellings_.find(event); it != spellings_.end()) return IdentifierText(it->second);
    return groupText(events_[event].group);
}

containers::LargeVector<uint32_t> MessageEvents::identifierNumbers(const containers::BlockVector<EventPair>& firstTwo,
                                                                   uint32_t& identifiers) const {
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    const auto takesPart = [&firstTwo](uint32_t g) { return firstTwo[g].first != noEvent; };
    uint32_t firstUsed = 0;
    while (firstUsed < groupCount && !takesPart(firstUsed)) ++firstUsed;
    // The lowered bytes that every identifier taking part begins with say
    // nothing of their order: the sort keys take the eight bytes after them.
    std::array<std::size_t, 2> shared{};
    std::array<std::size_t, 2> used{};
    if (firstUsed < groupCount) {
        const IdentifierText first = groupText(firstUsed);
        const std::string_view firstText = first;
        onTwoThreads([&](int part) {
            const auto [begin, end] = halfOf(groupCount, part);
            std::size_t common = firstText.size();
            for (uint32_t g = begin; g < end; ++g) {
                if (!takesPart(g)) continue;
                ++used[part];
                if (!common) continue;
                const IdentifierText text = groupText(g);
                common = sharedLoweredPrefix(firstText, text, common);
            }
            shared[part] = common;
        });
    }
    const std::size_t prefix = std::min(shared[0], shared[1]);
    containers::LargeVector<GroupKey> keys(used[0] + used[1]);
    onTwoThreads([&](int part) {
        const auto [begin, end] = halfOf(groupCount, part);
        GroupKey* key = keys.data() + (part ? used[0] : 0);
        for (uint32_t g = begin; g < end; ++g) {
            if (!takesPart(g)) continue;
            const IdentifierText text = groupText(g);
            *key++ = {orderPrefix(text, prefix), g};
        }
    });
    sortKeys(keys);

    // Keys of one prefix are put in order by their whole texts; the groups
    // of one identifier stay in the order they were made, which is the
    // stored order of their events.
    const auto byText = [this](const GroupKey& a, const GroupKey& b) {
        const IdentifierText first = groupText(a.group);
        const IdentifierText second = groupText(b.group);
        return compareLowered(first, second) < 0;
    };
    for (auto run = keys.begin(); run != keys.end();) {
        const auto end = std::find_if(run, keys.end(), [&](const GroupKey& k) { return k.prefix != run->prefix; });
        if (end - run > 1) std::stable_sort(run, end, byText);
        run = end;
    }

    containers::LargeVector<uint32_t> number(groupCount, 0);
    identifiers = 0;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const auto sameText = [this](uint32_t a, uint32_t b) {
            const IdentifierText first = groupText(a);
            const IdentifierText second = groupText(b);
            return equalLowered(first, second);
        };
        const bool sameIdentifier =
            k > 0 && keys[k].prefix == keys[k - 1].prefix && sameText(keys[k].group, keys[k - 1].group);
        if (!sameIdentifier) ++identifiers;
        number[keys[k].group] = identifiers - 1;
    }
    return number;
}

namespace {

// The bucket boundary nearest the middle of the items: each thread then
// sorts the buckets on its side.
std::size_t middleBucket(const std::vector<uint32_t>& bucketStart) {
    const uint32_t half = bucketStart.back() / 2;
    return static_cast<std::size_t>(std::lower_bound(bucketStart.begin(), bucketStart.end(), half) -
                                    bucketStart.begin());
}

// A group's first two events in its place among the groups in identifier
// order, marked when its identifier is that of the group before it.
EventPair placed(const EventPair& firstTwo, bool sameAsBefore) {
    return {firstTwo.first | (sameAsBefore ? sameIdentifier : 0), firstTwo.second};
}

}  // namespace

// Packed identifiers are in the order of their numbers: the groups are put
// in buckets by their first digits, and each bucket sorted by all of them.
containers::LargeVector<EventPair> MessageEvents::packedIdentifierOrder(
    const containers::BlockVector<EventPair>& firstTwo, uint32_t taking, std::atomic<int>* percentDone) const {
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    const auto bucketOf = [this](uint32_t g) { return static_cast<std::size_t>(groups_[g].high >> (64 - bucketBits)); };
    std::array<std::vector<uint32_t>, 2> counts{std::vector<uint32_t>(buckets, 0), std::vector<uint32_t>(buckets, 0)};
    onTwoThreads([&](int part) {
        const auto [begin, end] = halfOf(groupCount, part);
        for (uint32_t g = begin; g < end; ++g)
            if (firstTwo[g].first != noEvent) ++counts[part][bucketOf(g)];
    });
    // Each thread places its half of the groups, the first half first in
    // every bucket, so that a bucket's groups stay in the order they were
    // made. A place holds its group until the bucket is sorted.
    std::vector<uint32_t> bucketStart(buckets + 1, 0);
    std::array<std::vector<uint32_t>, 2> next{std::vector<uint32_t>(buckets), std::vector<uint32_t>(buckets)};
    std::size_t largest = 0;
    for (std::size_t b = 0; b < buckets; ++b) {
        next[0][b] = bucketStart[b];
        next[1][b] = bucketStart[b] + counts[0][b];
        bucketStart[b + 1] = next[1][b] + counts[1][b];
        largest = std::max<std::size_t>(largest, bucketStart[b + 1] - bucketStart[b]);
    }
    tellDone(percentDone, 35, 0, 0, 1);
    containers::LargeVector<EventPair> ordered(taking);
    onTwoThreads([&](int part) {
        const auto [begin, end] = halfOf(groupCount, part);
        for (uint32_t g = begin; g < end; ++g)
            if (firstTwo[g].first != noEvent) ordered[next[part][bucketOf(g)]++].first = g;
    });
    tellDone(percentDone, 40, 0, 0, 1);
    // Each bucket sorted by the identifiers' digits, then by group, and its
    // places given their groups' events.
    struct Key {
        uint64_t high;
        uint64_t low;
        uint32_t group;
        bool operator<(const Key& other) const {
            return std::tie(high, low, group) < std::tie(other.high, other.low, other.group);
        }
    };
    std::array<std::vector<Key>, 2> keys{std::vector<Key>(largest), std::vector<Key>(largest)};
    const std::size_t middle = middleBucket(bucketStart);
    onTwoThreads([&](int part) {
        const std::size_t first = part == 0 ? 0 : middle;
        const std::size_t last = part == 0 ? middle : buckets;
        Key* bucket = keys[part].data();
        for (std::size_t b = first; b < last; ++b) {
            constexpr std::size_t tellEveryBuckets = 1024;
            if (part == 1 && (b - first) % tellEveryBuckets == 0)
                tellDone(percentDone, 40, 20, b - first, last - first);
            const uint32_t begin = bucketStart[b];
            const uint32_t size = bucketStart[b + 1] - begin;
            for (uint32_t i = 0; i < size; ++i) {
                const uint32_t g = ordered[begin + i].first;
                bucket[i] = {groups_[g].high, groups_[g].low, g};
            }
            std::sort(bucket, bucket + size);
            for (uint32_t i = 0; i < size; ++i) {
                const bool same = i > 0 && bucket[i].high == bucket[i - 1].high && bucket[i].low == bucket[i - 1].low;
                ordered[begin + i] = placed(firstTwo[bucket[i].group], same);
            }
        }
    });
    return ordered;
}

// The groups of text identifiers numbered by identifier, then put in the
// order of their numbers.
containers::LargeVector<EventPair> MessageEvents::identifierOrder(const containers::BlockVector<EventPair>& firstTwo,
                                                                  uint32_t taking,
                                                                  std::atomic<int>* percentDone) const {
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    bool allPacked = true;
    for (uint32_t g = 0; g < groupCount && allPacked; ++g)
        allPacked = firstTwo[g].first == noEvent || forms_[g] != Form::Text;
    if (allPacked) return packedIdentifierOrder(firstTwo, taking, percentDone);
    uint32_t identifiers = 0;
    const containers::LargeVector<uint32_t> number = identifierNumbers(firstTwo, identifiers);
    tellDone(percentDone, 50, 0, 0, 1);
    containers::LargeVector<uint32_t> start(identifiers + 1, 0);
    for (uint32_t g = 0; g < groupCount; ++g)
        if (firstTwo[g].first != noEvent) ++start[number[g] + 1];
    for (uint32_t i = 0; i < identifiers; ++i) start[i + 1] += start[i];
    containers::LargeVector<uint32_t> order(taking);
    for (uint32_t g = 0; g < groupCount; ++g)
        if (firstTwo[g].first != noEvent) order[start[number[g]]++] = g;
    containers::LargeVector<EventPair> ordered(taking);
    for (uint32_t i = 0; i < taking; ++i)
        ordered[i] = placed(firstTwo[order[i]], i > 0 && number[order[i]] == number[order[i - 1]]);
    return ordered;
}

Pairing MessageEvents::pair(const std::vector<bool>* accepted, std::atomic<int>* percentDone) const {
    const auto takesPart = [accepted](uint32_t e) { return !accepted || (*accepted)[e]; };
    const auto eventCount = static_cast<uint32_t>(events_.size());
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    if (eventCount > eventMask) throw std::length_error("too many message events to pair");

    // The heads of the accepted events: most messages have two events, a
    // queued and a cleared one. Each thread takes its half of the groups.
    GroupHeads heads;
    heads.firstTwo_.growTo(groupCount, EventPair{noEvent, noEvent});
    std::array<std::vector<EventPair>, 2> further;
    std::array<uint32_t, 2> taking{};
    std::array<uint64_t, 2> eventsTaking{};
    onTwoThreads([&](int part) {
        const auto [begin, end] = halfOf(groupCount, part);
        for (uint32_t e = 0; e < eventCount; ++e) {
            if (part == 1 && e % percentTellEvery == 0) tellDone(percentDone, 0, 30, e, eventCount);
            const uint32_t g = events_[e].group;
            if (g < begin || g >= end || !takesPart(e)) continue;
            ++eventsTaking[part];
            if (takeIntoGroup(heads.firstTwo_[g], e, *this, further[part])) ++taking[part];
        }
    });
    heads.further_ = std::move(further[0]);
    heads.further_.insert(heads.further_.end(), further[1].begin(), further[1].end());
    std::vector<EventPair>().swap(further[1]);
    heads.groupsTaking_ = taking[0] + taking[1];
    heads.eventsTaking_ = eventsTaking[0] + eventsTaking[1];
    return pair(std::move(heads), percentDone);
}

void GroupHeads::take(uint32_t event, uint32_t group, const MessageEvents& events) {
    firstTwo_.growTo(group + 1, EventPair{noEvent, noEvent});
    ++eventsTaking_;
    if (takeIntoGroup(firstTwo_[group], event, events, further_)) ++groupsTaking_;
}

Pairing MessageEvents::pair(GroupHeads heads, std::atomic<int>* percentDone) const {
    const auto eventCount = static_cast<uint32_t>(events_.size());
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    if (eventCount > eventMask) throw std::length_error("too many message events to pair");
    if (heads.firstTwo_.size() > groupCount) throw std::invalid_argument("heads of other message events");
    // Groups made after the last event taking part have none.
    containers::BlockVector<EventPair> firstTwo = std::move(heads.firstTwo_);
    firstTwo.growTo(groupCount, EventPair{noEvent, noEvent});
    // By the group's first event, each group's in stored order.
    std::vector<EventPair> more = std::move(heads.further_);
    std::sort(more.begin(), more.end(), [](const EventPair& a, const EventPair& b) {
        return std::tie(a.first, a.second) < std::tie(b.first, b.second);
    });
    tellDone(percentDone, 30, 0, 0, 1);

    // Each identifier's groups, one identifier after the other.
    const containers::LargeVector<EventPair> ordered = identifierOrder(firstTwo, heads.groupsTaking_, percentDone);
    firstTwo = {};
    tellDone(percentDone, 60, 0, 0, 1);

    // The walk: each thread walks its half of the identifiers, the first
    // from the front, the second from the back, its pairs written from the
    // end of the result backwards; then the second half's pairs move up
    // behind the first half's.
    const auto groupsTaking = static_cast<uint32_t>(ordered.size());
    const auto sameAsBefore = [&ordered](uint32_t i) { return (ordered[i].first & sameIdentifier) != 0; };
    uint32_t middle = groupsTaking / 2;
    while (middle < groupsTaking && sameAsBefore(middle)) ++middle;
    Pairing result;
    result.pairs.resize(heads.eventsTaking_ / 2);
    std::array<std::size_t, 2> made{};
    std::array<std::vector<UnmatchedEvent>, 2> unmatched;
    onTwoThreads([&](int part) {
        std::vector<uint32_t> members;
        // The events of the identifier whose groups are ordered[from, to).
        const auto identifierEvents = [&](uint32_t from, uint32_t to) {
            members.clear();
            for (uint32_t i = from; i < to; ++i) {
                const uint32_t first = ordered[i].first & eventMask;
                members.push_back(first);
                const uint32_t second = ordered[i].second;
                if (second == noEvent) continue;
                members.push_back(second & eventMask);
                if (!(second & hasFurther)) continue;
                auto it = std::lower_bound(more.begin(), more.end(), EventPair{first, 0},
                                           [](const EventPair& a, const EventPair& b) { return a.first < b.first; });
                for (; it != more.end() && it->first == first; ++it) members.push_back(it->second);
            }
            // Most often one group of two events, in time order already;
            // else in time, then stored order, which is the events' order.
            if (members.size() > 2 || to > from + 1)
                std::sort(members.begin(), members.end(), [this](uint32_t a, uint32_t b) {
                    const int x = secondsOfDay(a);
                    const int y = secondsOfDay(b);
                    return x != y ? x < y : a < b;
                });
        };
        if (part == 0) {
            EventPair* out = result.pairs.data();
            for (uint32_t from = 0; from < middle;) {
                uint32_t to = from + 1;
                while (to < middle && sameAsBefore(to)) ++to;
                identifierEvents(from, to);
                std::size_t k = 0;
                for (; members.size() - k >= 2; k += 2) out[made[0]++] = {members[k], members[k + 1]};
                if (k != members.size() && to < groupsTaking) unmatched[0].push_back({members[k], members[0]});
                from = to;
            }
        } else {
            EventPair* end = result.pairs.data() + result.pairs.size();
            for (uint32_t to = groupsTaking, walked = 0; to > middle; ++walked) {
                if (walked % percentTellEvery == 0)
                    tellDone(percentDone, 60, 40, groupsTaking - to, groupsTaking - middle);
                uint32_t from = to - 1;
                while (sameAsBefore(from)) --from;
                identifierEvents(from, to);
                if (members.size() % 2 && to < groupsTaking) unmatched[1].push_back({members.back(), members[0]});
                for (std::size_t k = members.size() / 2 * 2; k >= 2; k -= 2)
                    *(end - static_cast<std::ptrdiff_t>(++made[1])) = {members[k - 2], members[k - 1]};
                to = from;
            }
        }
    });
    const auto secondHalf = result.pairs.end() - static_cast<std::ptrdiff_t>(made[1]);
    std::copy(secondHalf, result.pairs.end(), result.pairs.begin() + static_cast<std::ptrdiff_t>(made[0]));
    result.pairs.resize(made[0] + made[1]);
    result.unmatched = std::move(unmatched[0]);
    result.unmatched.insert(result.unmatched.end(), unmatched[1].rbegin(), unmatched[1].rend());
    tellDone(percentDone, 100, 0, 0, 1);
    return result;
}

void MessageEvents::prefetch(uint32_t event, Fetch step) const {
    switch (step) {
        case Fetch::Event:
            __builtin_prefetch(&events_[event]);
            break;
        case Fetch::Group:
            __builtin_prefetch(&groups_[events_[event].group]);
            break;
        case Fetch::Text: {
            // A packed identifier is all in its group.
            const uint32_t g = events_[event].group;
            if (forms_[g] != Form::Text) break;
            const Group& group = groups_[g];
            const auto length = static_cast<uint32_t>(group.low);
            if (length == 0) break;
            const char* text = texts_.text(static_cast<uint32_t>(group.high), length).data();
            __builtin_prefetch(text);
            __builtin_prefetch(text + length - 1);
            break;
        }
    }
}

void MessageEvents::finishAdding() {
    std::vector<uint64_t>().swap(recent_);
    std::unordered_map<uint64_t, uint32_t>().swap(nodeIndex_);
    std::vector<RecentNodes>().swap(recentNodes_);
    std::vector<Identifier>().swap(batchIdentifiers_);
    std::vector<uint32_t>().swap(batchHashes_);
}

}  // namespace varnel::reports
