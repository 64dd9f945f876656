#include "ingest/LoadData.h"

#include <QFile>
#include <optional>

#include "ingest/CallLogParser.h"
#include "ingest/DayList.h"
#include "platform/WholeFileWriter.h"
#include "shell/StringTable.h"
#include "shell/WriteFailureText.h"
#include "store/PipelinedSink.h"
#include "store/RawWriter.h"
#include "store/ReportDatabase.h"
#include "store/SqliteFailure.h"

namespace varnel::ingest {

namespace {

using platform::UserMessage;
using shell::myLoadResString;

// Fresh working file from the template. A failure leaves no working file
// behind, so the open that follows fails rather than reading an older load
// (or the copy of a template that could not be made afresh).
void clearDatabases(const store::DataFiles& files, ParseObserver& observer) {
    try {
        files.ensureTemplate();
        files.makeFreshWorkingCopy();
    } catch (const std::exception& e) {
        QFile::remove(files.workingPath());
        observer.show({myLoadResString(16) + QString::fromUtf8(e.what())});
    }
}

bool cancelled(const LoadRequest& request) { return request.cancel && request.cancel->load(); }

// Parses every log of the chosen days; false when the cancel flag stopped it.
bool parseChosenDays(const LoadRequest& request, IngestState& state, store::RowSink& sink, ParseObserver& observer,
                     QStringList& notReadInFull) {
    CallLogParser parser(state, sink, observer, request.watcher, request.cancel);
    for (const QDate& day : request.days) {
        for (const QString& path : logFilesOfDay(request.logFolder, day)) {
            if (cancelled(request)) return false;
            switch (parser.parseFile(path)) {
                case CallLogParser::FileOutcome::Read:
                    break;
                case CallLogParser::FileOutcome::NotReadInFull:
                    notReadInFull << path;
                    break;
                case CallLogParser::FileOutcome::Cancelled:
                    return false;
            }
        }
    }
    return true;
}

void reportOpenFailure(const store::DataFiles& files, ParseObserver& observer, const QString& reason) {
    observer.show({myLoadResString(124) + files.workingPath() + QStringLiteral("\r\n") + myLoadResString(28) +
                   QStringLiteral("\r\n") + reason});
}

// A database that opened but could not take the rows (a full disk, a
// read-only file) says so, with the system's reason.
void reportWriteFailure(const store::DataFiles& files, ParseObserver& observer, const QString& reason) {
    observer.show(
        {shell::writeFailureText({files.workingPath(), reason}) + QStringLiteral("\r\n") + myLoadResString(28)});
}

}  // namespace

LoadResult loadDays(const LoadRequest& request, const store::DataFiles& files, IngestState& state,
                    ParseObserver& observer) {
    LoadResult result;
    state.startLoad();
    clearDatabases(files, observer);

    std::optional<store::ReportDatabase> db;
    try {
        db.emplace(files.workingPath());
        db->useFastBulkWrites();
    } catch (const std::exception& e) {
        reportOpenFailure(files, observer, store::sqliteFailureReason(e, db ? db->connection().getHandle() : nullptr));
        result.counters = state.counters;
        return result;
    }
    try {
        store::RawWriter writer(*db);
        bool whole;
        {
            store::PipelinedSink pipeline(writer);
            whole = parseChosenDays(request, state, pipeline, observer, result.logsNotReadInFull);
            pipeline.finish();
        }
        if (!whole) {
            result.outcome = LoadOutcome::Cancelled;
            result.counters = state.counters;
            return result;
        }
        writer.commit();
    } catch (const std::exception& e) {
        reportWriteFailure(files, observer, store::sqliteFailureReason(e, db->connection().getHandle()));
        result.counters = state.counters;
        return result;
    }

    result.counters = state.counters;
    if (state.counters.inboundCalls + state.counters.outboundCalls == 0) {
        result.outcome = LoadOutcome::NoCallTraffic;
        observer.show({myLoadResString(61)});
    } else if (state.veyraSerials.textLength() > 1 && state.keldanSerials.textLength() > 1) {
        result.outcome = LoadOutcome::Loaded;
        result.veyraNodes = state.veyraSerials.nodes();
        result.keldanNodes = state.keldanSerials.nodes();
        result.summary = loadSummaryText(request.firstDayEntry, state.counters, QStringLiteral("\r\n"));
    } else {
        result.outcome = LoadOutcome::NoMessageTraffic;
        observer.show({myLoadResString(66)});
    }
    return result;
}

QString loadSummaryText(const QString& firstDayEntry, const LoadCounters& c, const QString& lineEnd) {
    const auto line = [&lineEnd](const QString& label, int32_t value) {
        return label + QString::number(value) + lineEnd;
    };
    return myLoadResString(122) + firstDayEntry + lineEnd + line(myLoadResString(35), c.inboundCalls) +
           line(myLoadResString(80), c.outboundCalls) + line(myLoadResString(39), c.inboundMessagesDelivered) +
           line(myLoadResString(84), c.outboundMessagesDelivered) +
           line(QStringLiteral("Inbound NDNs="), c.inboundNdns) +
           line(QStringLiteral("Outbound NDNs="), c.outboundNdns);
}

}  // namespace varnel::ingest
