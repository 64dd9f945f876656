#include "reports/ReportCharts.h"

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
    series.x.reserve(static_cast<qsizetype>(outbound.size()));
    series.y.reserve(static_cast<qsizetype>(outbound.size()));
    const int timeBase = outbound.empty() ? 0 : outbound.deliveredSeconds(0);
    for (std::size_t row = 0; row < outbound.size(); ++row) {
        series.x << static_cast<double>(outbound.deliveredSeconds(row) - timeBase);
        series.y << static_cast<double>(outbound.secondsInQueue(row));
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
