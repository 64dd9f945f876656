#include "reports/ReportKind.h"

namespace varnel::reports {

namespace {

struct KindNames {
    ReportKind kind;
    const char* commandLine;
    const char* fileBase;
};

constexpr std::array<KindNames, 5> names = {{
    {ReportKind::PortAvailability, "port-availability", "PortAvailability"},
    {ReportKind::QueueActivity, "queue-activity", "MessageQueueActivity"},
    {ReportKind::Latency, "latency", "MessageLatency"},
    {ReportKind::NodeTraffic, "node-traffic", "NodeTraffic"},
    {ReportKind::NodeErrors, "node-errors", "NodeError"},
}};

const KindNames& namesOf(ReportKind kind) { return names[static_cast<std::size_t>(kind)]; }

}  // namespace

QString commandLineName(ReportKind kind) { return QString::fromLatin1(namesOf(kind).commandLine); }

std::optional<ReportKind> reportKindFromCommandLineName(const QString& name) {
    for (const KindNames& entry : names)
        if (name == QLatin1String(entry.commandLine)) return entry.kind;
    return std::nullopt;
}

QString fileBaseName(ReportKind kind) { return QString::fromLatin1(namesOf(kind).fileBase); }

}  // namespace varnel::reports
