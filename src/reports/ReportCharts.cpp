#include "reports/ReportCharts.h"

#include <algorithm>
#include <unordered_set>

#include "reports/TimeText.h"
#include "shell/StringTable.h"
#include "text/NumberText.h"

namespace varnel::reports {

namespace {

using shell::myLoadResString;

QString reportDateText(const store::StoredTime& reportDate) { return longDateText(reportDate.toQDateTime().date()); }

// One series per value, point j (from 1) taken from the j-th row.
template <typename Row>
QVector<ChartSeries> seriesOverRows(const std::vector<Row>& rows,
                                    const std::vector<std::pair<QString, double (*)(const Row&)>>& values) {
    QVector<ChartSeries> series;
    for (const auto& [label, value] : values) {
        ChartSeries s{label, {}, {}};
        s.x.reserve(static_cast<qsizetype>(rows.size()));
        s.y.reserve(static_cast<qsizetype>(rows.size()));
        for (std::size_t j = 0; j < rows.size(); ++j) {
            s.x << static_cast<double>(j + 1);
            s.y << value(rows[j]);
        }
        series << s;
    }
    return series;
}

QStringList nodeLabels(const std::vector<NodeTrafficRow>& rows) {
    QStringList labels;
    for (const NodeTrafficRow& row : rows)
        labels << row.nodeType + QStringLiteral(" - ") + text::numberText(row.nodeId);
    return labels;
}

ReportChart nodeChart(const std::vector<NodeTrafficRow>& rows, QString header, const QString& yTitle,
                      const QString& inboundLabel, const QString& outboundLabel) {
    using R = NodeTrafficRow;
    return {
        std::move(header), QStringLiteral("Nodes"), yTitle,
        seriesOverRows<R>(rows, {{inboundLabel, [](const R& r) { return static_cast<double>(r.inboundMessages); }},
                                 {outboundLabel, [](const R& r) { return static_cast<double>(r.outboundMessages); }},
                                 {inboundLabel, [](const R& r) { return r.inboundMessageKB; }},
                                 {outboundLabel, [](const R& r) { return r.outboundMessageKB; }}}),
        nodeLabels(rows)};
}

// The times in queue met so far among the rows of one delivery time. Times
// are whole minutes, so the messages of a busy minute share few points: the
// chart holds each point once, however many messages it stands for.
class SeenQueueTimes {
public:
    explicit SeenQueueTimes(const LatencyRows& rows) {
        if (rows.empty()) return;
        int64_t highest = rows.secondsInQueue(0);
        lowest_ = highest;
        for (std::size_t row = 1; row < rows.size(); ++row) {
            lowest_ = std::min(lowest_, rows.secondsInQueue(row));
            highest = std::max(highest, rows.secondsInQueue(row));
        }
        // A mark per second of the span when it is small (two days at most
        // between queued and cleared), else a set.
        constexpr int64_t markedSpan = int64_t{1} << 18;
        if (highest - lowest_ < markedSpan) marks_.assign(static_cast<std::size_t>(highest - lowest_ + 1), 0);
    }

    void nextDeliveryTime() {
        ++time_;
        seen_.clear();
    }

    // Whether seconds is met for the first time at this delivery time.
    bool add(int64_t seconds) {
        if (marks_.empty()) return seen_.insert(seconds).second;
        uint32_t& mark = marks_[static_cast<std::size_t>(seconds - lowest_)];
        if (mark == time_) return false;
        mark = time_;
        return true;
    }

private:
    int64_t lowest_ = 0;
    std::vector<uint32_t> marks_;  // the delivery time each second was last met at
    std::unordered_set<int64_t> seen_;
    uint32_t time_ = 0;
};

}  // namespace

ReportChart portAvailabilityChart(const std::vector<PortMinute>& rows, const store::StoredTime& reportDate) {
    using R = PortMinute;
    return {myLoadResString(88) + reportDateText(reportDate),
            QStringLiteral("Time"),
            QStringLiteral("Ports Available Or In Use"),
            seriesOverRows<R>(rows, {{QStringLiteral("Lines available to take calls"),
                                      [](const R& r) { return static_cast<double>(r.minLinesAvailable); }},
                                     {QStringLiteral("Ports currently busy"),
                                      [](const R& r) { return static_cast<double>(r.maxLinesInUse); }}}),
            {}};
}

ReportChart queueActivityChart(const std::vector<QueueMinute>& rows, const store::StoredTime& reportDate) {
    using R = QueueMinute;
    return {
        myLoadResString(56) + reportDateText(reportDate),
        QStringLiteral("Time"),
        QStringLiteral("Messages In Queue"),
        seriesOverRows<R>(
            rows,
            {{QStringLiteral("Inbound Message Queue Size (MB)"), [](const R& r) { return r.maxInboundQueueSize; }},
             {QStringLiteral("Outbound Message Queue Size (MB)"), [](const R& r) { return r.maxOutboundQueueSize; }},
             {QStringLiteral("Inbound Messages In Queue"), [](const R& r) { return r.maxInboundMessages; }},
             {QStringLiteral("Outbound Messages In Queue"), [](const R& r) { return r.maxOutboundMessages; }}}),
        {}};
}

ReportChart latencyChart(const LatencyRows& outbound, const store::StoredTime& reportDate, QTime from, QTime to) {
    ChartSeries series{QStringLiteral("SecondsInQueue"), {}, {}};
    const int timeBase = outbound.empty() ? 0 : outbound.deliveredSeconds(0);
    SeenQueueTimes seen(outbound);
    for (std::size_t row = 0; row < outbound.size();) {
        // The rows of one delivery time, each time in queue once.
        const int delivered = outbound.deliveredSeconds(row);
        seen.nextDeliveryTime();
        for (; row < outbound.size() && outbound.deliveredSeconds(row) == delivered; ++row) {
            outbound.prefetch(row + 16);
            const int64_t queued = outbound.secondsInQueue(row);
            if (!seen.add(queued)) continue;
            series.x << static_cast<double>(delivered - timeBase);
            series.y << static_cast<double>(queued);
        }
    }
    const QString header = myLoadResString(57) + reportDateText(reportDate) + QStringLiteral("\r\n") +
                           myLoadResString(30) + longTimeText(from) + myLoadResString(3) + longTimeText(to);
    return {header,  QStringLiteral("Time Messages are Delivered"), QStringLiteral("Seconds in Queue"), {series}, {},
            timeBase};
}

ReportChart nodeTrafficChart(const std::vector<NodeTrafficRow>& rows, const store::StoredTime& reportDate) {
    return nodeChart(rows, myLoadResString(73) + reportDateText(reportDate), QStringLiteral("Messages Delivered"),
                     QStringLiteral("Inbound Messages (Keldan to Veyra)"),
                     QStringLiteral("Outbound Messages (Veyra to Keldan)"));
}

ReportChart nodeErrorChart(const std::vector<NodeTrafficRow>& rows, const store::StoredTime& reportDate) {
    return nodeChart(rows, myLoadResString(147) + reportDateText(reportDate), QStringLiteral("NDNs"),
                     QStringLiteral("Inbound NDNs (Keldan to Veyra)"),
                     QStringLiteral("Outbound NDNs (Veyra to Keldan)"));
}

}  // namespace varnel::reports
