#include "reports/LatencyPairing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <thread>

#include "store/RawRows.h"
#include "text/AsciiCase.h"
#include "text/PackedIdentifier.h"

namespace varnel::reports {

namespace {

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

// Runs work(0) on a thread of its own and work(1) on this one. The work must
// not throw: what it needs is allocated before.
template <typename Work>
void onTwoThreads(const Work& work) {
    std::thread other([&work] { work(0); });
    work(1);
    other.join();
}

// The first or the second half of count items, as [begin, end).
std::pair<uint32_t, uint32_t> halfOf(uint32_t count, int part) {
    const uint32_t middle = count / 2;
    return part == 0 ? std::pair{0u, middle} : std::pair{middle, count};
}

// Sorts the keys on two threads: split at a sampled key, each side sorted by
// a thread of its own.
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
    std::thread lower([&] { std::sort(keys.begin(), middle); });
    std::sort(middle, keys.end());
    lower.join();
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

uint32_t MessageEvents::nodesOf(double veyra, double keldan) {
    // The serials compared bit for bit, as the key below is made of them.
    const auto same = [veyra, keldan](const Nodes& nodes) {
        return std::bit_cast<uint64_t>(nodes.veyra) == std::bit_cast<uint64_t>(veyra) &&
               std::bit_cast<uint64_t>(nodes.keldan) == std::bit_cast<uint64_t>(keldan);
    };
    // Messages run between a few dozen nodes: the last pair is the likeliest.
    if (!nodes_.empty() && same(nodes_.back())) return static_cast<uint32_t>(nodes_.size() - 1);
    const uint64_t key = std::bit_cast<uint64_t>(veyra) * 0x9E3779B97F4A7C15ull ^ std::bit_cast<uint64_t>(keldan);
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
}

void MessageEvents::add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial,
                        double keldanSerial) {
    const Identifier identifier = identify(guid);
    add({guid, secondsOfDay, messageType, veyraSerial, keldanSerial}, identifier, hashOf(identifier));
}

void MessageEvents::add(std::span<const NewEvent> events) {
    std::vector<Identifier> identifiers(events.size());
    std::vector<uint32_t> hashes(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        identifiers[i] = identify(events[i].guid);
        hashes[i] = hashOf(identifiers[i]);
        __builtin_prefetch(recentSet(hashes[i]));
    }
    for (std::size_t i = 0; i < events.size(); ++i) add(events[i], identifiers[i], hashes[i]);
}

void MessageEvents::add(const NewEvent& event, const Identifier& identifier, uint32_t hash) {
    bool added = false;
    bool sameSpelling = true;
    const uint32_t group = groupOf(identifier, hash, added, sameSpelling);
    const auto index = static_cast<uint32_t>(events_.size());
    if (!sameSpelling) spellings_.emplace(index, std::string(event.guid));
    const int typeByte = event.messageType >= -128 && event.messageType <= 127 ? event.messageType : 127;
    events_.push_back({group, nodesOf(store::storedReal(event.veyraSerial), store::storedReal(event.keldanSerial)),
                       static_cast<int32_t>(static_cast<uint32_t>(event.secondsOfDay) << 8 | (typeByte & 0xff))});
}

IdentifierText MessageEvents::guid(uint32_t event) const {
    if (!spellings_.empty())
        if (const auto it = spellings_.find(event); it != spellings_.end()) return IdentifierText(it->second);
    return groupText(events_[event].group);
}

containers::LargeVector<uint32_t> MessageEvents::identifierNumbers(
    const containers::LargeVector<uint32_t>& membersOfGroup, uint32_t& identifiers) const {
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    bool allPacked = true;
    for (uint32_t g = 0; g < groupCount && allPacked; ++g) allPacked = !membersOfGroup[g] || forms_[g] != Form::Text;
    if (allPacked) return packedIdentifierNumbers(membersOfGroup, identifiers);
    const auto firstUsed = static_cast<uint32_t>(
        std::find_if(membersOfGroup.begin(), membersOfGroup.end(), [](uint32_t m) { return m > 0; }) -
        membersOfGroup.begin());
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
                if (!membersOfGroup[g]) continue;
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
            if (!membersOfGroup[g]) continue;
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

// Packed identifiers are in the order of their numbers: the first sixteen
// digits make the sort key, and the rare keys shared by several groups are
// put in order by the last sixteen.
containers::LargeVector<uint32_t> MessageEvents::packedIdentifierNumbers(
    const containers::LargeVector<uint32_t>& membersOfGroup, uint32_t& identifiers) const {
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    containers::LargeVector<GroupKey> keys;
    keys.reserve(groupCount);
    for (uint32_t g = 0; g < groupCount; ++g)
        if (membersOfGroup[g]) keys.push_back({groups_[g].high, g});
    sortKeys(keys);
    const auto lowDigits = [this](const GroupKey& a, const GroupKey& b) {
        return groups_[a.group].low < groups_[b.group].low;
    };
    for (auto run = keys.begin(); run != keys.end();) {
        auto end = run + 1;
        while (end != keys.end() && end->prefix == run->prefix) ++end;
        if (end - run > 1) std::stable_sort(run, end, lowDigits);
        run = end;
    }
    containers::LargeVector<uint32_t> number(groupCount, 0);
    identifiers = 0;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const bool sameIdentifier = k > 0 && keys[k].prefix == keys[k - 1].prefix &&
                                    groups_[keys[k].group].low == groups_[keys[k - 1].group].low;
        if (!sameIdentifier) ++identifiers;
        number[keys[k].group] = identifiers - 1;
    }
    return number;
}

Pairing MessageEvents::pair(const std::vector<bool>* accepted, std::atomic<int>* percentDone) const {
    const auto takesPart = [accepted](uint32_t e) { return !accepted || (*accepted)[e]; };
    const auto eventCount = static_cast<uint32_t>(events_.size());
    const auto groupCount = static_cast<uint32_t>(groups_.size());
    // The share of the pairing done: each step's part of 100, told by this
    // thread every so many items, the step's done items out of its count.
    const auto tell = [percentDone](int stepStart, int stepPercent, uint64_t done, uint64_t count) {
        if (percentDone && count > 0)
            percentDone->store(stepStart + static_cast<int>(stepPercent * done / count), std::memory_order_relaxed);
    };
    constexpr uint32_t tellEvery = 1u << 16;
    // Each thread counts the members of its half of the groups.
    containers::LargeVector<uint32_t> membersOfGroup(groupCount, 0);
    onTwoThreads([&](int part) {
        const auto [begin, end] = halfOf(groupCount, part);
        for (uint32_t e = 0; e < eventCount; ++e) {
            if (part == 1 && e % tellEvery == 0) tell(0, 20, e, eventCount);
            const uint32_t g = events_[e].group;
            if (g >= begin && g < end && takesPart(e)) ++membersOfGroup[g];
        }
    });
    tell(20, 0, 0, 1);
    uint32_t identifiers = 0;
    const containers::LargeVector<uint32_t> identifierOf = identifierNumbers(membersOfGroup, identifiers);
    tell(45, 0, 0, 1);

    // Each identifier's events taking part, in stored order, one identifier
    // after the other: identifier i's are members[start[i]] up to
    // members[start[i + 1]]. start first counts up to the end of each, then
    // the events are placed from the last one back, which leaves it at each
    // identifier's start. Each thread places the events of its half of the
    // identifiers.
    containers::LargeVector<uint32_t> start(identifiers + 1, 0);
    for (uint32_t g = 0; g < groupCount; ++g) start[identifierOf[g]] += membersOfGroup[g];
    containers::LargeVector<uint32_t>().swap(membersOfGroup);
    uint32_t taking = 0;
    for (uint32_t& end : start) end = taking += end;
    containers::LargeVector<uint32_t> members(taking);
    onTwoThreads([&](int part) {
        const auto [begin, end] = halfOf(identifiers, part);
        for (uint32_t e = eventCount; e-- > 0;) {
            if (part == 1 && e % tellEvery == 0) tell(45, 30, eventCount - e, eventCount);
            if (!takesPart(e)) continue;
            const uint32_t i = identifierOf[events_[e].group];
            if (i >= begin && i < end) members[--start[i]] = e;
        }
    });

    // Each thread walks its half of the identifiers. The first half's pairs
    // go to the front of the result, the second half's after the most the
    // first half can make, and then move up behind the first half's.
    const uint32_t half = identifiers / 2;
    const std::array<std::size_t, 2> room{(start[half] - start[0]) / 2, (start[identifiers] - start[half]) / 2};
    Pairing result;
    result.pairs.resize(room[0] + room[1]);
    std::array<std::size_t, 2> made{};
    std::array<std::vector<UnmatchedEvent>, 2> unmatched;
    unmatched[0].reserve(half);
    unmatched[1].reserve(identifiers - half);
    const auto earlier = [this](uint32_t a, uint32_t b) { return secondsOfDay(a) < secondsOfDay(b); };
    onTwoThreads([&](int part) {
        const auto [begin, end] = halfOf(identifiers, part);
        EventPair* pairs = result.pairs.data() + (part ? room[0] : 0);
        for (uint32_t i = begin; i < end; ++i) {
            if (part == 1 && (i - begin) % tellEvery == 0) tell(75, 25, i - begin, end - begin);
            const auto first = members.begin() + start[i];
            const auto last = members.begin() + start[i + 1];
            // Stored order within equal times: the members are in stored order.
            if (last - first == 2) {
                if (earlier(first[1], first[0])) std::swap(first[0], first[1]);
            } else {
                std::stable_sort(first, last, earlier);
            }
            auto it = first;
            for (; last - it >= 2; it += 2) pairs[made[part]++] = {it[0], it[1]};
            if (it != last && i + 1 < identifiers) unmatched[part].push_back({*it, *first});
        }
    });
    const auto secondHalf = result.pairs.begin() + static_cast<std::ptrdiff_t>(room[0]);
    std::copy(secondHalf, secondHalf + static_cast<std::ptrdiff_t>(made[1]),
              result.pairs.begin() + static_cast<std::ptrdiff_t>(made[0]));
    result.pairs.resize(made[0] + made[1]);
    result.unmatched = std::move(unmatched[0]);
    result.unmatched.insert(result.unmatched.end(), unmatched[1].begin(), unmatched[1].end());
    tell(100, 0, 0, 1);
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
}

}  // namespace varnel::reports
