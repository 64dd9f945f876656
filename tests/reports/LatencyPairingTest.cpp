// The pairing of events by identifier: the order of identifiers, of the
// events of one identifier, and the walk that pairs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "reports/LatencyPairing.h"

namespace {

using varnel::reports::MessageEvents;

// "guid@seconds+guid@seconds" for each pair, in table order.
std::vector<std::string> pairTexts(const MessageEvents& events) {
    const auto text = [&](uint32_t e) { return events.guid(e).text() + "@" + std::to_string(events.secondsOfDay(e)); };
    std::vector<std::string> out;
    for (const auto& pair : events.pair().pairs) out.push_back(text(pair.first) + "+" + text(pair.second));
    return out;
}

struct Expected {
    std::string lowered;
    int seconds;
    uint32_t event;
};

// The pairs and unmatched events equal those of the walk over the events
// sorted by lowered identifier, time and stored order.
void expectWalkOverSortedEvents(const MessageEvents& events, std::vector<Expected> expected) {
    std::sort(expected.begin(), expected.end(), [](const Expected& a, const Expected& b) {
        return std::tie(a.lowered, a.seconds, a.event) < std::tie(b.lowered, b.seconds, b.event);
    });

    // The walk over the sorted events, as the selection in that order gives it.
    std::vector<std::pair<uint32_t, uint32_t>> wantPairs;
    std::vector<std::pair<uint32_t, uint32_t>> wantUnmatched;
    std::size_t previous = 0;
    std::size_t firstOfPrevious = 0;
    for (std::size_t current = 1; current < expected.size(); ++current) {
        const auto same = [&](std::size_t i) { return expected[i - 1].lowered == expected[i].lowered; };
        if (same(current)) {
            wantPairs.emplace_back(expected[previous].event, expected[current].event);
            if (++current >= expected.size()) break;
        } else {
            wantUnmatched.emplace_back(expected[previous].event, expected[firstOfPrevious].event);
        }
        if (!same(current)) firstOfPrevious = current;
        previous = current;
    }

    const auto pairing = events.pair();
    ASSERT_EQ(pairing.pairs.size(), wantPairs.size());
    for (std::size_t i = 0; i < wantPairs.size(); ++i) {
        EXPECT_EQ(pairing.pairs[i].first, wantPairs[i].first) << "pair " << i;
        EXPECT_EQ(pairing.pairs[i].second, wantPairs[i].second) << "pair " << i;
    }
    ASSERT_EQ(pairing.unmatched.size(), wantUnmatched.size());
    for (std::size_t i = 0; i < wantUnmatched.size(); ++i) {
        EXPECT_EQ(pairing.unmatched[i].event, wantUnmatched[i].first) << "unmatched " << i;
        EXPECT_EQ(pairing.unmatched[i].firstOfIdentifier, wantUnmatched[i].second) << "unmatched " << i;
    }
}

TEST(LatencyPairingTest, OrdersByIdentifierIgnoringCaseThenTimeThenStoredOrder) {
    MessageEvents events;
    events.add("{b}", 600, 4, 1, 2);
    events.add("{A}", 300, 6, 1, 2);
    events.add("{a}", 120, 4, 1, 2);
    events.add("{B}", 600, 6, 1, 2);  // same time as the first {b}: stored order decides
    events.add("{ab}", 60, 4, 1, 2);
    events.add("{AB}", 0, 6, 1, 2);
    // Byte order of the lowered text, as SQLite's NOCASE compares: "{ab}" before "{a}" since 'b' < '}'.
    EXPECT_EQ(pairTexts(events), (std::vector<std::string>{"{AB}@0+{ab}@60", "{a}@120+{A}@300", "{b}@600+{B}@600"}));
    // Every event keeps its own spelling.
    EXPECT_EQ(events.guid(3).text(), "{B}");
    EXPECT_EQ(events.guid(0).text(), "{b}");
}

TEST(LatencyPairingTest, SerialNumbersAreKeptPerEventAndANegativeZeroReadsAsZero) {
    MessageEvents events;
    events.add("{A}", 60, 4, 512, 3001);
    events.add("{B}", 60, 4, -0.0, 2.5);
    events.add("{a}", 120, 6, 77, 3001);
    // The serials of an earlier event the other way round.
    events.add("{C}", 180, 4, 3001, 512);
    events.add("{C}", 240, 6, 512, 3001);
    EXPECT_EQ(events.veyraSerial(3), 3001);
    EXPECT_EQ(events.keldanSerial(3), 512);
    EXPECT_EQ(events.veyraSerial(4), 512);
    EXPECT_EQ(events.keldanSerial(4), 3001);
    EXPECT_EQ(events.veyraSerial(0), 512);
    EXPECT_EQ(events.keldanSerial(1), 2.5);
    EXPECT_FALSE(std::signbit(events.veyraSerial(1)));
    EXPECT_EQ(events.veyraSerial(2), 77);
    EXPECT_EQ(events.messageType(2), 6);
}

TEST(LatencyPairingTest, EventsBetweenMoreNodePairsThanTwoBytesNumberKeepTheirSerialNumbers) {
    MessageEvents events;
    const int pairs = 70000;
    for (int n = 0; n < pairs; ++n) events.add("{M" + std::to_string(n) + "}", 60, 4, n, 3 * n + 1);
    // Pairs met before, between others met later.
    events.add("{again}", 60, 4, 12, 37);
    events.add("{again}", 60, 4, pairs - 1, 3 * (pairs - 1) + 1);
    for (uint32_t e = 0; e < static_cast<uint32_t>(pairs); e += 997) {
        EXPECT_EQ(events.veyraSerial(e), e) << e;
        EXPECT_EQ(events.keldanSerial(e), 3 * e + 1) << e;
    }
    EXPECT_EQ(events.veyraSerial(pairs - 1), pairs - 1);
    EXPECT_EQ(events.keldanSerial(pairs), 37);
    EXPECT_EQ(events.veyraSerial(pairs + 1), pairs - 1);
    EXPECT_EQ(events.keldanSerial(pairs + 1), 3 * (pairs - 1) + 1);
}

TEST(LatencyPairingTest, ThirdEventOfAnIdentifierStaysUnmatchedAndPointsAtItsFirstEvent) {
    MessageEvents events;
    events.add("{G}", 60, 4, 1, 2);
    events.add("{G}", 120, 6, 1, 2);
    events.add("{g}", 180, 6, 1, 2);
    events.add("{H}", 240, 4, 1, 2);
    events.add("{I}", 300, 4, 1, 2);  // left over at the end: neither paired nor listed
    const auto pairing = events.pair();
    ASSERT_EQ(pairing.pairs.size(), 1u);
    EXPECT_EQ(pairing.pairs[0].first, 0u);
    EXPECT_EQ(pairing.pairs[0].second, 1u);
    ASSERT_EQ(pairing.unmatched.size(), 2u);
    EXPECT_EQ(pairing.unmatched[0].event, 2u);
    EXPECT_EQ(pairing.unmatched[0].firstOfIdentifier, 0u);
    EXPECT_EQ(pairing.unmatched[1].event, 3u);
    EXPECT_EQ(pairing.unmatched[1].firstOfIdentifier, 3u);
}

TEST(LatencyPairingTest, FourEventsOfOneIdentifierMakeTwoPairs) {
    MessageEvents events;
    for (int i = 0; i < 4; ++i) events.add("{K}", 60 * i, 4 + i % 2 * 2, 1, 2);
    const auto pairing = events.pair();
    ASSERT_EQ(pairing.pairs.size(), 2u);
    EXPECT_EQ(pairing.pairs[1].first, 2u);
    EXPECT_EQ(pairing.pairs[1].second, 3u);
    EXPECT_TRUE(pairing.unmatched.empty());
}

TEST(LatencyPairingTest, PairsMatchAWalkOverAPlainSortOfLoweredIdentifiersOfAnyLength) {
    // Identifiers that share long prefixes, differ in case, run past the
    // bytes the sort keys hold, are prefixes of one another, or hold bytes
    // above 127 (compared unsigned, as SQLite compares text).
    const std::string stem(44, 'x');
    const std::vector<std::string> identifiers = {"",
                                                  "a",
                                                  "A",
                                                  "ab",
                                                  std::string("a\0", 2),
                                                  stem.substr(0, 39),
                                                  stem.substr(0, 40),
                                                  stem.substr(0, 41),
                                                  stem,
                                                  stem + "B",
                                                  stem + "a",
                                                  stem + "c",
                                                  stem.substr(0, 40) + "Y",
                                                  "{X}",
                                                  "{x}",
                                                  "\xff",
                                                  "a\xff",
                                                  "A\x01",
                                                  stem.substr(0, 10) + "\xff"};
    MessageEvents events;
    std::vector<Expected> expected;
    uint32_t seed = 7;
    for (uint32_t e = 0; e < 300; ++e) {
        seed = seed * 1103515245u + 12345u;
        const std::string& id = identifiers[(seed >> 16) % identifiers.size()];
        const int seconds = static_cast<int>((seed >> 8) % 5) * 60;
        events.add(id, seconds, 4, 1, 2);
        std::string lowered = id;
        for (char& c : lowered) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        expected.push_back({lowered, seconds, e});
    }
    expectWalkOverSortedEvents(events, expected);
}

TEST(LatencyPairingTest, ThousandsOfIdentifiersInAnyCaseGroupAsAPlainSortDoes) {
    MessageEvents events;
    std::vector<Expected> expected;
    uint32_t seed = 11;
    for (uint32_t e = 0; e < 20000; ++e) {
        seed = seed * 1103515245u + 12345u;
        std::string id(1, '{');
        id += std::to_string((seed >> 12) % 9000);
        id += "-AbCd}";
        if (seed & 0x10) id[id.size() - 2] = 'D';
        const int seconds = static_cast<int>((seed >> 4) % 3) * 60;
        events.add(id, seconds, 6, 1, 2);
        std::string lowered = id;
        for (char& c : lowered) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        expected.push_back({lowered, seconds, e});
    }
    expectWalkOverSortedEvents(events, expected);
}

TEST(LatencyPairingTest, GuidShapedIdentifiersInEveryCaseKeepTheirSpellingAndPairAsTheirTexts) {
    // Identifiers of the logged form kept packed, in either case, with
    // digits only, in mixed case, and texts that just miss the form, among
    // others; each spelt by its first event or by an event of its own.
    const std::vector<std::string> stems = {
        "{0FC81E36-CFED-4D15-A826-56449A262727}", "{0fc81e36-cfed-4d15-a826-56449a262727}",
        "{0Fc81E36-CFED-4D15-A826-56449A262727}", "{01234567-8901-2345-6789-012345678901}",
        "{0FC81E36-CFED-4D15-A826-56449A26272}",  "{0FC81E36-CFED-4D15-A826-56449A2627270}",
        "{0FC81E36_CFED-4D15-A826-56449A262727}", "{0FC81E36-CFED-4D15-A826-56449A26272G}",
        "(0FC81E36-CFED-4D15-A826-56449A262727)", "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}",
        "{00000000-0000-0000-0000-000000000000}", "{0FC81E36-CFED-4D15-A826-56449A262728}",
        "{0FC81E35-CFED-4D15-A826-56449A262727}", "{0FC81E36-CFED-4D15-A826-56449A262727} ",
        "{0fc81e36-cfed-4d15-a826-56449a262728}", "{0FC81E36-CFED-4D15-A826-56449A26272\xc3}",
        "{0FC81E36-CFED-4D15-A826-56449A26272:}", "{0FC81E36-CFED-4D15-A826-56449A26272@}"};
    MessageEvents events;
    std::vector<Expected> expected;
    std::vector<std::string> added;
    uint32_t seed = 3;
    for (uint32_t e = 0; e < 2000; ++e) {
        seed = seed * 1103515245u + 12345u;
        const std::string& id = stems[(seed >> 16) % stems.size()];
        const int seconds = static_cast<int>((seed >> 8) % 4) * 60;
        events.add(id, seconds, 6, 1, 2);
        added.push_back(id);
        std::string lowered = id;
        for (char& c : lowered) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        expected.push_back({lowered, seconds, e});
    }
    for (uint32_t e = 0; e < added.size(); ++e) ASSERT_EQ(events.guid(e).text(), added[e]) << e;
    expectWalkOverSortedEvents(events, expected);
}

// Events added one by one, each outbound with the same nodes, beside what
// the walk over them is expected to see.
struct AddedEvents {
    void add(const std::string& id, int seconds) {
        events.add(id, seconds, 4, 1, 2);
        std::string lowered = id;
        for (char& c : lowered) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        expected.push_back({lowered, seconds, static_cast<uint32_t>(expected.size())});
    }
    MessageEvents events;
    std::vector<Expected> expected;
};

TEST(LatencyPairingTest, IdentifiersMetAgainAfterManyOthersPairAsIfMetJustBefore) {
    // More distinct identifiers between two events of one identifier than
    // adding keeps at hand: each of those identifiers then has two groups,
    // whose events still pair and stay in time and stored order.
    AddedEvents added;
    const auto add = [&added](const std::string& id, int seconds) { added.add(id, seconds); };
    const uint32_t others = 3 * MessageEvents::recentIdentifiers;
    for (uint32_t round = 0; round < 3; ++round) {
        add("{RETURNS}", 600);
        add("{Twice}", 300 * static_cast<int>(round));
        for (uint32_t i = 0; i < others; ++i) {
            std::string id(1, '{');
            id += std::to_string(i * 7919 % others);
            id += "-X}";
            add(id, 60);
        }
    }
    add("{returns}", 60);  // earlier than the others: it pairs first
    expectWalkOverSortedEvents(added.events, added.expected);
}

TEST(LatencyPairingTest, PackedIdentifiersAloneSortByAllTheirDigitsEvenWhenTheFirstSixteenAgree) {
    // Every identifier of the logged form in one letter case, so that all
    // are kept packed: many share their first sixteen digits, and some come
    // back after more others than adding keeps at hand, in the other case.
    AddedEvents added;
    const auto add = [&added](const std::string& id, int seconds) { added.add(id, seconds); };
    const auto identifier = [](uint32_t first, uint32_t last, bool upper) {
        char text[39];
        std::snprintf(text, sizeof text, upper ? "{%08X-ABCD-0000-EF12-%012X}" : "{%08x-abcd-0000-ef12-%012x}", first,
                      last);
        return std::string(text);
    };
    const uint32_t others = MessageEvents::recentIdentifiers + 500;
    uint32_t seed = 17;
    for (uint32_t round = 0; round < 2; ++round) {
        for (uint32_t i = 0; i < others; ++i) {
            seed = seed * 1103515245u + 12345u;
            // Few distinct first halves: long runs of equal sort keys.
            add(identifier(seed >> 28, (i * 7919u) % others, (seed >> 8) & 1), static_cast<int>((seed >> 4) % 5) * 60);
        }
    }
    ASSERT_FALSE(added.events.guid(0).text().empty());
    expectWalkOverSortedEvents(added.events, added.expected);
}

// Identifiers with one to five events each, in either case (or mixed case,
// which is kept as text, when asked), at times out of stored order, some
// returning after more others than adding keeps at hand; about a third of
// the events left out. The accepted events pair as if the others were never
// added, whether the pairing is told which were accepted or heads were kept
// for them while adding, in batches of any size.
void expectAcceptedEventsPairAsIfAlone(bool mixedCase) {
    MessageEvents all;
    MessageEvents kept;
    MessageEvents headed;
    varnel::reports::GroupHeads heads;
    std::vector<bool> accepted;
    std::vector<uint32_t> allIndexOfKept;
    std::vector<std::string> batchTexts;
    std::vector<int> batchSeconds;
    const auto addBatch = [&] {
        std::vector<varnel::reports::NewEvent> batch;
        for (std::size_t i = 0; i < batchTexts.size(); ++i)
            batch.push_back({batchTexts[i], batchSeconds[i], 4, 1, 2, accepted[headed.size() + i]});
        headed.add(batch, heads);
        batchTexts.clear();
        batchSeconds.clear();
    };
    const uint32_t messages = MessageEvents::recentIdentifiers + 3000;
    uint32_t seed = 29;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (uint32_t round = 0; round < 3; ++round) {
        for (uint32_t m = 0; m < messages; ++m) {
            const uint32_t events = next() >> 29;  // 0 to 7, of which 6 and 7 are rare below
            for (uint32_t k = 0; k < std::min(events, 5u); ++k) {
                char id[39];
                const char* form = (next() >> 9) & 1 ? "{%08X-0000-1111-2222-%012X}" : "{%08x-0000-1111-2222-%012x}";
                if (mixedCase && m % 7 == 0)
                    form = (next() >> 9) & 1 ? "{%08X-AAAA-bbbb-2222-%012X}" : "{%08x-aaaa-BBBB-2222-%012x}";
                std::snprintf(id, sizeof id, form, (m * 2654435761u) >> 4, m % 977);
                const int seconds = static_cast<int>((next() >> 12) % 6) * 60;
                const bool take = (next() >> 10) % 3 != 0;
                all.add(id, seconds, 4, 1, 2);
                accepted.push_back(take);
                batchTexts.emplace_back(id);
                batchSeconds.push_back(seconds);
                if (batchTexts.size() > (next() >> 20) % 700) addBatch();
                if (!take) continue;
                allIndexOfKept.push_back(static_cast<uint32_t>(all.size() - 1));
                kept.add(id, seconds, 4, 1, 2);
            }
        }
    }
    addBatch();
    ASSERT_EQ(headed.size(), all.size());
    const auto plain = kept.pair();
    ASSERT_GT(plain.pairs.size(), 1000u);
    ASSERT_GT(plain.unmatched.size(), 100u);
    for (const auto& pairing : {all.pair(&accepted), headed.pair(std::move(heads))}) {
        ASSERT_EQ(pairing.pairs.size(), plain.pairs.size());
        for (std::size_t i = 0; i < plain.pairs.size(); ++i) {
            ASSERT_EQ(pairing.pairs[i].first, allIndexOfKept[plain.pairs[i].first]) << "pair " << i;
            ASSERT_EQ(pairing.pairs[i].second, allIndexOfKept[plain.pairs[i].second]) << "pair " << i;
        }
        ASSERT_EQ(pairing.unmatched.size(), plain.unmatched.size());
        for (std::size_t i = 0; i < plain.unmatched.size(); ++i) {
            ASSERT_EQ(pairing.unmatched[i].event, allIndexOfKept[plain.unmatched[i].event]) << "unmatched " << i;
            ASSERT_EQ(pairing.unmatched[i].firstOfIdentifier, allIndexOfKept[plain.unmatched[i].firstOfIdentifier])
                << "unmatched " << i;
        }
    }
}

TEST(LatencyPairingTest, AcceptedEventsPairAsIfTheOthersWereNeverAdded) { expectAcceptedEventsPairAsIfAlone(false); }

TEST(LatencyPairingTest, AcceptedEventsOfTextIdentifiersPairAsIfTheOthersWereNeverAdded) {
    expectAcceptedEventsPairAsIfAlone(true);
}

TEST(LatencyPairingTest, HeadsOfAnotherSetOfEventsAreRefused) {
    MessageEvents small;
    small.add("{a}", 60, 4, 1, 2);
    MessageEvents larger;
    varnel::reports::GroupHeads heads;
    const std::vector<varnel::reports::NewEvent> batch = {{"{a}", 60, 4, 1, 2}, {"{b}", 60, 4, 1, 2}};
    larger.add(batch, heads);
    EXPECT_THROW(small.pair(std::move(heads)), std::invalid_argument);
}

}  // namespace
