// The five reports and the names they are known by on the command line and in
// their default output file names.
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace varnel::reports {

enum class ReportKind { PortAvailability, QueueActivity, Latency, NodeTraffic, NodeErrors };

inline constexpr std::array<ReportKind, 5> allReportKinds = {ReportKind::PortAvailability, ReportKind::QueueActivity,
                                                             ReportKind::Latency, ReportKind::NodeTraffic,
                                                             ReportKind::NodeErrors};

// "port-availability", "queue-activity", "latency", "node-traffic", "node-errors".
QString commandLineName(ReportKind kind);
std::optional<ReportKind> reportKindFromCommandLineName(const QString& name);

// The report's name in its default file names: "PortAvailability",
// "MessageQueueActivity", "MessageLatency", "NodeTraffic", "NodeError".
QString fileBaseName(ReportKind kind);

}  // namespace varnel::reports
