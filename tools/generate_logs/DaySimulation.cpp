#include "DaySimulation.h"

#include <algorithm>
#include <tuple>

#include "TrafficDraws.h"
#include "TrafficProfile.h"

namespace {

constexpr std::uint32_t kVeyraNodes = 6;
constexpr std::uint32_t kKeldanNodes = 10;
constexpr std::uint32_t kOutboundPerMille = 520;
constexpr std::uint32_t kOutgoingCallPerMille = 450;

// Calls are short enough that the ports are about three quarters busy in the
// busiest hour, and never longer than a few minutes on average.
std::uint32_t meanCallSecondsFor(std::uint32_t calls, std::uint32_t ports) {
    const std::uint64_t busiestHourCalls = std::max<std::uint32_t>(traffic_profile::busiestHourArrivals(calls), 1);
    const std::uint64_t mean = std::uint64_t{ports} * 3600 * 3 / (4 * busiestHourCalls);
    return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(mean, 1, 90));
}

}  // namespace

bool DaySimulation::PendingClear::operator>(const PendingClear& other) const {
    return std::tie(second, order) > std::tie(other.second, other.order);
}

bool DaySimulation::PendingDisconnect::operator>(const PendingDisconnect& other) const {
    return std::tie(second, order) > std::tie(other.second, other.order);
}

DaySimulation::DaySimulation(std::uint32_t lines, std::uint32_t ports, std::uint64_t seed)
    : prng_(seed),
      nodes_(kVeyraNodes, kKeldanNodes, prng_),
      ports_(ports),
      messages_(static_cast<std::uint32_t>((std::uint64_t{lines} * 35 + 50) / 100)),
      calls_((lines - 2 * messages_) / 2),
      lastCallStaysOpen_((lines - 2 * messages_) % 2 == 1),
      meanCallSeconds_(meanCallSecondsFor(calls_, ports)) {
    for (std::uint32_t port = 0; port < ports_; ++port) freePorts_.push_back(port);
}

void DaySimulation::run(CallLogSink& sink) {
    const std::vector<std::uint32_t> arrivals = traffic_profile::arrivalsPerSecond(messages_ + calls_, prng_);
    std::uint32_t messagesLeft = messages_;
    std::uint32_t arrivalsLeft = messages_ + calls_;
    std::uint32_t now = 0;
    for (std::uint32_t second = 0; second < kSecondsPerDay; ++second) {
        for (std::uint32_t i = 0; i < arrivals[second]; ++i) {
            // A call that found every port busy took the next one to free
            // up, so later arrivals may have to wait for it.
            now = std::max(now, second);
            emitDueUntil(now, sink);
            const bool isMessage = prng_.below(arrivalsLeft) < messagesLeft;
            --arrivalsLeft;
            if (isMessage) {
                --messagesLeft;
                newMessage(now, sink);
                continue;
            }
            if (freePorts_.empty()) {
                now = disconnects_.top().second;
                emitDueUntil(now, sink);
            }
            beginCall(now, true, sink);
        }
    }
    emitDueUntil(kLastSecondOfDay, sink);
    if (lastCallStaysOpen_) beginCall(kLastSecondOfDay, false, sink);
}

void DaySimulation::newMessage(std::uint32_t second, CallLogSink& sink) {
    const auto direction =
        prng_.chancePerMille(kOutboundPerMille) ? MessageDirection::Outbound : MessageDirection::Inbound;
    const NodeDirectory::Node& veyra = nodes_.pickVeyra(prng_);
    const NodeDirectory::Node& keldan = nodes_.pickKeldan(prng_);
    const NodeDirectory::Node& receiver = direction == MessageDirection::Outbound ? keldan : veyra;
    const bool nonDelivered = prng_.chancePerMille(receiver.nonDeliveryPerMille);

    MessageEvent line{second,
                      false,
                      direction,
                      veyra.serial,
                      keldan.serial,
                      traffic_draws::messageGuid(prng_),
                      false,
                      traffic_draws::messageSizeBytes(prng_),
                      0,
                      0};
    Queue& queue = queueFor(direction);
    ++queue.length;
    queue.bytes += line.sizeBytes;
    line.queueLength = queue.length;
    line.queueBytes = queue.bytes;
    sink.message(line);

    const std::uint32_t clearSecond =
        std::min(second + traffic_draws::queueSeconds(nonDelivered, prng_), kLastSecondOfDay);
    line.second = clearSecond;
    line.cleared = true;
    line.nonDelivered = nonDelivered;
    clears_.push({clearSecond, nextOrder_++, line});
}

void DaySimulation::beginCall(std::uint32_t second, bool scheduleDisconnect, CallLogSink& sink) {
    const std::uint32_t slot = prng_.below(static_cast<std::uint32_t>(freePorts_.size()));
    const std::uint32_t port = freePorts_[slot];
    freePorts_[slot] = freePorts_.back();
    freePorts_.pop_back();

    const auto kind = prng_.chancePerMille(kOutgoingCallPerMille) ? PortEventKind::Outgoing : PortEventKind::Incoming;
    const auto available = static_cast<std::uint32_t>(freePorts_.size());
    sink.port({second, kind, port, available, ports_ - available});

    if (scheduleDisconnect) {
        const std::uint32_t end =
            std::min(second + traffic_draws::callSeconds(meanCallSeconds_, prng_), kLastSecondOfDay);
        disconnects_.push({end, nextOrder_++, port});
    }
}

void DaySimulation::emitDueUntil(std::uint32_t second, CallLogSink& sink) {
    for (;;) {
        const bool clearDue = !clears_.empty() && clears_.top().second <= second;
        const bool disconnectDue = !disconnects_.empty() && disconnects_.top().second <= second;
        if (clearDue && (!disconnectDue || clears_.top().second < disconnects_.top().second)) {
            clearMessage(clears_.top(), sink);
            clears_.pop();
        } else if (disconnectDue) {
            disconnect(disconnects_.top(), sink);
            disconnects_.pop();
        } else {
            return;
        }
    }
}

void DaySimulation::clearMessage(PendingClear pending, CallLogSink& sink) {
    Queue& queue = queueFor(pending.line.direction);
    --queue.length;
    queue.bytes -= pending.line.sizeBytes;
    pending.line.queueLength = queue.length;
    pending.line.queueBytes = queue.bytes;
    sink.message(pending.line);
}

void DaySimulation::disconnect(const PendingDisconnect& pending, CallLogSink& sink) {
    freePorts_.push_back(pending.port);
    const auto available = static_cast<std::uint32_t>(freePorts_.size());
    sink.port({pending.second, PortEventKind::Disconnect, pending.port, available, ports_ - available});
}

DaySimulation::Queue& DaySimulation::queueFor(MessageDirection direction) {
    return direction == MessageDirection::Outbound ? outbound_ : inbound_;
}
