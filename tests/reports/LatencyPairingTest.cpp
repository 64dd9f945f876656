// The pairing walk over events in identifier order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "reports/LatencyPairing.h"

namespace {

using varnel::reports::MessageEvents;
using varnel::reports::pairEvents;

// "guid@seconds" for each event, in the selection order.
std::vector<std::string> ordered(const MessageEvents& events) {
    std::vector<std::string> out;
    for (uint32_t e : events.selectionOrder())
        out.push_back(std::string(events.guid(e)) + "@" + std::to_string(events.secondsOfDay(e)));
    return out;
}

TEST(LatencyPairingTest, OrdersByIdentifierIgnoringCaseThenTimeThenStoredOrder) {
    MessageEvents events;
    events.add("{b}", 600, 4, 1, 2);
    events.add("{A}", 300, 6, 1, 2);
    events.add("{a}", 120, 4, 1, 2);
    events.add("{B}", 600, 6, 1, 2);  // same time as the first {b}: stored order decides
    events.add("{ab}", 60, 4, 1, 2);
    // Byte order of the lowered text, as SQLite's NOCASE compares: "{ab}" before "{a}" since 'b' < '}'.
    EXPECT_EQ(ordered(events), (std::vector<std::string>{"{ab}@60", "{a}@120", "{A}@300", "{b}@600", "{B}@600"}));
}

TEST(LatencyPairingTest, ThirdEventOfAnIdentifierStaysUnmatchedAndPointsAtItsFirstEvent) {
    MessageEvents events;
    events.add("{G}", 60, 4, 1, 2);
    events.add("{G}", 120, 6, 1, 2);
    events.add("{g}", 180, 6, 1, 2);
    events.add("{H}", 240, 4, 1, 2);
    events.add("{I}", 300, 4, 1, 2);  // left over at the end: neither paired nor listed
    const auto pairing = pairEvents(events.selectionOrder());
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
    const auto pairing = pairEvents(events.selectionOrder());
    ASSERT_EQ(pairing.pairs.size(), 2u);
    EXPECT_EQ(pairing.pairs[1].first, 2u);
    EXPECT_EQ(pairing.pairs[1].second, 3u);
    EXPECT_TRUE(pairing.unmatched.empty());
}

TEST(LatencyPairingTest, OrderMatchesAPlainSortOfLoweredIdentifiersOfAnyLength) {
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
    struct Expected {
        std::string lowered;
        int seconds;
        uint32_t event;
    };
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
    std::sort(expected.begin(), expected.end(), [](const Expected& a, const Expected& b) {
        return std::tie(a.lowered, a.seconds, a.event) < std::tie(b.lowered, b.seconds, b.event);
    });

    const auto order = events.selectionOrder();
    ASSERT_EQ(order.events.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(order.events[i], expected[i].event) << "position " << i;
        EXPECT_EQ(order.sameAsBefore[i], i > 0 && expected[i - 1].lowered == expected[i].lowered) << "position " << i;
    }
}

}  // namespace
