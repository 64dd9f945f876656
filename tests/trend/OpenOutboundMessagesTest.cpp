// The waiting outbound messages: a clear takes the earliest queued message of
// its identifier (letters without case) queued no later than it, whatever
// else waits beside it, and forgotten days stop waiting.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "trend/OpenOutboundMessages.h"

using namespace varnel;

namespace {

TEST(OpenOutboundMessages, ClearTakesTheEarliestMessageOfItsIdentifierIgnoringCase) {
    trend::OpenOutboundMessages open;
    open.queue("{Ab-1}", 100, 1);
    open.queue("{aB-1}", 100, 1);  // the same second, queued second
    open.queue("{AB-1}", 90, 1);   // logged later, queued earlier
    open.queue("{Ab-2}", 50, 1);
    EXPECT_EQ(open.size(), 4u);

    EXPECT_EQ(open.clear("{ab-1}", 95), 90);
    EXPECT_EQ(open.clear("{AB-1}", 95), std::nullopt);  // the others were queued after the clear
    EXPECT_EQ(open.clear("{AB-1}", 100), 100);
    EXPECT_EQ(open.clear("{ab-1}", 200), 100);
    EXPECT_EQ(open.clear("{ab-1}", 300), std::nullopt);
    EXPECT_EQ(open.clear("{AB-2}", 50), 50);  // queued and cleared in the same second
    EXPECT_EQ(open.size(), 0u);
}

TEST(OpenOutboundMessages, OnlyLettersAToZIgnoreCase) {
    trend::OpenOutboundMessages open;
    open.queue("id@", 1, 1);
    open.queue("\xC9t\xE9", 1, 1);  // Latin-1 letters outside A-Z keep their case
    EXPECT_EQ(open.clear("ID`", 2), std::nullopt);
    EXPECT_EQ(open.clear("\xE9T\xE9", 2), std::nullopt);
    EXPECT_EQ(open.clear("\xC9T\xE9", 2), 1);
    EXPECT_EQ(open.clear("Id@", 2), 1);
}

TEST(OpenOutboundMessages, ForgottenDaysStopWaitingAndTheRestKeepTheirOrder) {
    trend::OpenOutboundMessages open;
    open.queue("a", 10, 7);
    open.queue("a", 20, 8);
    open.queue("b", 5, 6);
    open.queue("a", 20, 9);
    open.forgetQueuedBefore(8);
    EXPECT_EQ(open.size(), 2u);
    EXPECT_EQ(open.clear("b", 100), std::nullopt);
    EXPECT_EQ(open.clear("a", 100), 20);
    EXPECT_EQ(open.clear("a", 100), 20);
    EXPECT_EQ(open.clear("a", 100), std::nullopt);
    open.queue("c", 1, 9);  // still usable after the rebuild
    EXPECT_EQ(open.clear("C", 1), 1);
}

// Identifiers of every length around whole words, differing in one byte
// only, wherever it lies, and the empty identifier.
TEST(OpenOutboundMessages, EveryByteOfAnyLengthCounts) {
    trend::OpenOutboundMessages open;
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t differing = 0; differing < length; ++differing) {
            std::string one(length, 'q');
            std::string other = one;
            other[differing] = 'r';
            const auto at = static_cast<int64_t>(length * 100 + differing);
            open.queue(one, at, 1);
            open.queue(other, at + 1, 1);
            std::transform(other.begin(), other.end(), other.begin(), ::toupper);
            EXPECT_EQ(open.clear(other, 1000000), at + 1) << length << " " << differing;
            EXPECT_EQ(open.clear(other, 1000000), std::nullopt);
            EXPECT_EQ(open.clear(one, 1000000), at);
        }
    }
    open.queue("", 3, 1);
    EXPECT_EQ(open.clear("x", 4), std::nullopt);
    EXPECT_EQ(open.clear("", 4), 3);
    EXPECT_EQ(open.size(), 0u);
}

// An identifier of the logged form made from number, its letters in lower case.
std::string loggedForm(unsigned number) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08x-abcd-0000-ef12-%012x}", number * 2654435761u, number);
    return text;
}

TEST(OpenOutboundMessages, LoggedIdentifiersMatchInAnyCaseAcrossARebuild) {
    trend::OpenOutboundMessages open;
    open.queue("{0123ABCD-EF45-6789-ABCD-0F1E2D3C4B5A}", 10, 1);
    open.queue("{0123ABCD-EF45-6789-ABCD-0F1E2D3C4B5G}", 11, 1);  // not hex
    open.queue("{0123abcd-ef45-6789-abcd-0f1e2d3c4b5b}", 12, 1);
    EXPECT_EQ(open.clear("{0123abcd-ef45-6789-abcd-0f1e2d3c4b5g}", 20), 11);
    EXPECT_EQ(open.clear("{0123aBcD-eF45-6789-AbCd-0F1e2D3c4B5a}", 20), 10);
    EXPECT_EQ(open.clear("{0123ABCD-EF45-6789-ABCD-0F1E2D3C4B5A}", 20), std::nullopt);
    EXPECT_EQ(open.clear("{0123ABCD-EF45-6789-ABCD-0F1E2D3C4B5C}", 20), std::nullopt);
    EXPECT_EQ(open.clear("{0123ABCD-EF45-6789-ABCD-0F1E2D3C4B5B}", 11), std::nullopt);  // queued later
    open.forgetQueuedBefore(1);
    open.queue("{0123abcd-ef45-6789-abcd-0f1e2d3c4b5g}", 13, 1);
    open.forgetQueuedBefore(1);
    EXPECT_EQ(open.clear("{0123ABCD-EF45-6789-ABCD-0F1E2D3C4B5G}", 20), 13);
    EXPECT_EQ(open.clear("{0123ABCD-EF45-6789-ABCD-0F1E2D3C4B5B}", 20), 12);
    EXPECT_EQ(open.size(), 0u);
}

// Many identifiers that grow and shrink the table, with recurring ones,
// against plain lists searched in full.
TEST(OpenOutboundMessages, AgreesWithAFullSearchOverManyQueuesAndClears) {
    struct Waiting {
        int64_t second;
        int64_t day;
        int order;
    };
    std::map<std::string, std::vector<Waiting>> model;  // by identifier in lower case
    std::size_t modelSize = 0;
    trend::OpenOutboundMessages open;
    std::mt19937 random(5);
    int order = 0;
    int paired = 0;
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), ::tolower);
        return text;
    };
    for (int step = 0; step < 60000; ++step) {
        const int64_t day = step / 10000;
        if (step % 10000 == 0) {
            open.forgetQueuedBefore(day - 1);
            for (auto& [identifier, waiting] : model)
                modelSize -= std::erase_if(waiting, [day](const Waiting& w) { return w.day < day - 1; });
        }
        // Few identifiers early, so that they recur; many later, so the table grows.
        const unsigned identifiers = step < 20000 ? 40 : 5000;
        // Short identifiers, ones of the logged form and ones longer than it.
        const unsigned number = random() % identifiers;
        std::string identifier = number % 3 == 0   ? "{id-" + std::to_string(number) + "}"
                                 : number % 3 == 1 ? loggedForm(number)
                                                   : loggedForm(number) + "-" + loggedForm(number / 3);
        for (char& c : identifier)
            if (random() % 2) c = static_cast<char>(::toupper(c));
        // Seconds run somewhat back and forth.
        const int64_t second = step / 3 + static_cast<int64_t>(random() % 7) - 3;
        std::vector<Waiting>& waiting = model[lower(identifier)];
        if (random() % 100 < 55) {
            open.queue(identifier, second, day);
            waiting.push_back({second, day, order++});
            ++modelSize;
            continue;
        }
        auto best = waiting.end();
        for (auto it = waiting.begin(); it != waiting.end(); ++it)
            if (it->second <= second &&
                (best == waiting.end() || std::tie(it->second, it->order) < std::tie(best->second, best->order)))
                best = it;
        std::optional<int64_t> expected;
        if (best != waiting.end()) {
            expected = best->second;
            waiting.erase(best);
            --modelSize;
            ++paired;
        }
        ASSERT_EQ(open.clear(identifier, second), expected) << "step " << step;
        ASSERT_EQ(open.size(), modelSize);
    }
    EXPECT_GT(paired, 10000);
    EXPECT_GT(modelSize, 1000u);
}

}  // namespace
