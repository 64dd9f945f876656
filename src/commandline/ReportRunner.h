// Runs the reports named on the command line over a loaded working database
// and writes each summary's CSV file into the output folder under its default
// name. Report messages go to the message sink.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "catalogue/ReportPage.h"
#include "commandline/CliOptions.h"
#include "ingest/IngestState.h"
#include "ingest/LoadData.h"
#include "platform/UserMessage.h"
#include "platform/WholeFileWriter.h"
#include "reports/BuiltReport.h"
#include "reports/ImageFormat.h"
#include "reports/MessageEventGatherer.h"
#include "reports/NodeTallies.h"
#include "reports/ReportInputs.h"

namespace varnel::cli {

// Writes the chart picture of a built report; the windows' chart adapter
// provides it, so that the picture shows what the report window shows.
using ChartPictureWriter = std::function<std::optional<platform::WriteFailure>(
    const reports::BuiltReport& report, const reports::ReportInputs& inputs, const QString& path,
    charts::ImageFormat format, QSize size)>;

// What the report page needs beyond the options: the windows' side that draws
// its charts (without it no page is written) and the days the load read.
struct ReportPageOutput {
    const catalogue::ReportPageViews* views = nullptr;
    QList<QDate> days;
};

// A gatherer of the load's message rows when the options ask for the
// latency report, else none: the report then pairs the rows as they passed.
std::unique_ptr<reports::MessageEventGatherer> messageEventGatherer(const CliOptions& options);

// Tallies of the load's cleared messages for the command line's range and
// node choice when the options ask for a node report, else none.
std::shared_ptr<reports::NodeTallies> nodeTallies(const CliOptions& options);

// The range and node choice of the reports: the command line's, with the
// entries of the load's node lists whose numbers it names selected.
reports::RangeRequest rangeRequest(const CliOptions& options, const ingest::LoadResult& load);

// With options.chartFormat, every report's chart is written too, under its
// default name with the format's extension, through pictures. With
// options.htmlPath, the report page of every report is written there last.
// messageEvents, when given, are the load's message rows for the latency
// report; nodeTallies, when given, the load's tallies for the node reports.
// The output folder must exist.
// Returns the exit status: done, bad arguments (no node of the load selected
// on a side) or failure (database or file trouble, reported to messages).
int runReports(const CliOptions& options, const QString& databasePath, const ingest::IngestState& state,
               const ingest::LoadResult& load, platform::MessageSink& messages, const ChartPictureWriter& pictures = {},
               const ReportPageOutput& page = {}, std::shared_ptr<const reports::MessageEvents> messageEvents = {},
               std::shared_ptr<const reports::NodeTallies> nodeTallies = {});

}  // namespace varnel::cli
