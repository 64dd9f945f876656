#include "reports/LatencyRows.h"

#include <algorithm>
#include <array>
#include <vector>

#include "reports/PercentDone.h"
#include "reports/TwoThreads.h"
#include "store/RawRows.h"
#include "store/StoredTime.h"

namespace varnel::reports {

namespace {

QTime timeOfDay(int seconds) { return QTime(0, 0).addSecs(seconds); }

}  // namespace

bool isOutboundMessage(int messageType) { return !store::isInboundMessage(messageType); }

LatencyRows::LatencyRows() : own_(std::make_shared<MessageEvents>()), events_(own_) {}

LatencyRows::LatencyRows(std::shared_ptr<const MessageEvents> events) : events_(std::move(events)) {}

void LatencyRows::add(const LatencyRow& row) {
    add(row.index, row.messageGuid.toStdString(), QTime(0, 0).secsTo(row.timeDelivered), row.secondsInQueue,
        row.veyraNodeId, row.keldanNodeId);
}

void LatencyRows::add(int64_t index, std::string_view guid, int deliveredSeconds, int64_t secondsInQueue,
                      double veyraNodeId, double keldanNodeId) {
    const auto event = static_cast<uint32_t>(own_->size());
    own_->add(guid, deliveredSeconds, 4, veyraNodeId, keldanNodeId);
    entries_.push_back({index, static_cast<int32_t>(secondsInQueue), event});
}

void LatencyRows::addOutboundPairs(std::span<const EventPair> pairs, const std::function<void(int percent)>& tell) {
    // Placed by a counting sort over the seconds of the day, as they are
    // added: each thread counts, then places, the rows of its half of the
    // pairs, the first half's before the second's at each second.
    std::array<std::vector<uint32_t>, 2> next;
    const auto delivered = [this](uint32_t event) {
        return static_cast<std::size_t>(std::clamp(events_->secondsOfDay(event), 0, store::secondsPerDay - 1));
    };
    // Pairs come in identifier order, so their events lie all over memory:
    // each is asked for some pairs before it is read.
    constexpr std::size_t ahead = 16;
    const auto fetchAhead = [&](std::size_t p, std::size_t end, bool both) {
        if (p + ahead >= end) return;
        events_->prefetch(pairs[p + ahead].second, MessageEvents::Fetch::Event);
        if (both) events_->prefetch(pairs[p + ahead].first, MessageEvents::Fetch::Event);
    };
    for (std::vector<uint32_t>& counts : next) counts.assign(store::secondsPerDay, 0);
    // This thread, which takes the second half, tells how far it is: each
    // pass is half of the work.
    const auto told = [&tell](int pass, std::size_t done, std::size_t count) {
        if (done % percentTellEvery == 0 && tell && count > 0) tell(percentWithin(pass * 50, 50, done, count));
    };
    // Each pass hands use(part, its number, pair) the outbound pairs of each
    // thread's half, in order; the second pass reads both events of a pair.
    const auto eachOutboundPair = [&](int pass, const auto& use) {
        onTwoThreads([&](int part) {
            const auto [begin, end] = halfOf(pairs.size(), part);
            for (std::size_t p = begin; p < end; ++p) {
                if (part == 1) told(pass, p - begin, end - begin);
                fetchAhead(p, end, pass == 1);
                const EventPair& pair = pairs[p];
                if (isOutboundMessage(events_->messageType(pair.second))) use(part, p, pair);
            }
        });
    };
    eachOutboundPair(0, [&](int part, std::size_t, const EventPair& pair) { ++next[part][delivered(pair.second)]; });
    std::size_t at = entries_.size();
    for (std::size_t s = 0; s < store::secondsPerDay; ++s) {
        for (std::vector<uint32_t>& counts : next) {
            const uint32_t count = counts[s];
            counts[s] = static_cast<uint32_t>(at);
            at += count;
        }
    }
    entries_.resize(at);
    eachOutboundPair(1, [&](int part, std::size_t p, const EventPair& pair) {
        entries_[next[part][delivered(pair.second)]++] = {
            static_cast<int64_t>(p) + 1, events_->secondsOfDay(pair.second) - events_->secondsOfDay(pair.first),
            pair.second};
    });
}

void LatencyRows::sortByDelivery() {
    // A counting sort over the seconds of the day: stable, and each row's
    // event is looked at once rather than at every comparison.
    const auto key = [this](const Entry& entry) {
        return static_cast<std::size_t>(std::clamp(events_->secondsOfDay(entry.event), 0, store::secondsPerDay - 1));
    };
    containers::LargeVector<uint32_t> keys(entries_.size());
    std::vector<uint32_t> next(store::secondsPerDay + 1, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        keys[i] = static_cast<uint32_t>(key(entries_[i]));
        ++next[keys[i] + 1];
    }
    for (int s = 0; s < store::secondsPerDay; ++s)
        next[static_cast<std::size_t>(s) + 1] += next[static_cast<std::size_t>(s)];
    containers::LargeVector<Entry> sorted(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) sorted[next[keys[i]]++] = entries_[i];
    entries_.swap(sorted);
}

LatencyRow LatencyRows::operator[](std::size_t row) const {
    return {index(row),
            QString::fromUtf8(guid(row).text()),
            timeOfDay(deliveredSeconds(row)),
            secondsInQueue(row),
            veyraNodeId(row),
            keldanNodeId(row)};
}

}  // namespace varnel::reports
