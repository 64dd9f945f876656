#include "ingest/CallLogParser.h"

#include <algorithm>
#include <array>
#include <limits>

#include "ingest/LeadingNumber.h"
#include "ingest/LineFields.h"
#include "ingest/LogFileReader.h"
#include "ingest/LogText.h"
#include "ingest/ParseFailures.h"
#include "ingest/TimeStamp.h"
#include "shell/StringTable.h"
#include "text/AsciiCase.h"

namespace varnel::ingest {

namespace {

using store::PortRecord;
using store::StoredTime;

enum EventCode : int16_t {
    Unknown = 0,
    InboundCall = 1,
    OutboundCall = 2,
    NewInbound = store::NewInboundMessage,
    NewOutbound = store::NewOutboundMessage,
    ClearedInbound = store::ClearedInboundMessage,
    ClearedOutbound = store::ClearedOutboundMessage,
    Disconnect = 99,
};

constexpr std::size_t batchRows = 4096;
// Port rows held back for order, at most; more than this let go unordered.
constexpr std::size_t maxWaitingPorts = 8 * batchRows;

// A new message row starts as a copy of this one, which moves in a few wide
// stores, where a row made afresh is zeroed by a slow string instruction.
const store::MessageRecord blankMessage{};

// The keyword as logs write it, in capitals: its length and one letter
// leave one keyword to compare, whose length the compiler then knows.
EventCode exactEventCode(std::string_view keyword) {
    switch (keyword.size()) {
        case 8:
            if (keyword == "INCOMING") return InboundCall;
            if (keyword == "OUTGOING") return OutboundCall;
            return Unknown;
        case 10:
            return keyword == "DISCONNECT" ? Disconnect : Unknown;
        case 20:
            if (keyword[4] == 'O') return keyword == "NEW OUTGOING MESSAGE" ? NewOutbound : Unknown;
            return keyword == "NEW INCOMING MESSAGE" ? NewInbound : Unknown;
        case 24:
            if (keyword[8] == 'O') return keyword == "CLEARED OUTGOING MESSAGE" ? ClearedOutbound : Unknown;
            return keyword == "CLEARED INCOMING MESSAGE" ? ClearedInbound : Unknown;
        default:
            return Unknown;
    }
}

// The keyword of field 1 upper-cased, tested in the fixed order; the exact
// spelling is tried first.
EventCode eventCode(std::string_view keyword) {
    if (const EventCode code = exactEventCode(keyword); code != Unknown) return code;
    static constexpr std::pair<std::string_view, EventCode> keywords[] = {
        {"INCOMING", InboundCall},
        {"OUTGOING", OutboundCall},
        {"NEW OUTGOING MESSAGE", NewOutbound},
        {"CLEARED OUTGOING MESSAGE", ClearedOutbound},
        {"NEW INCOMING MESSAGE", NewInbound},
        {"CLEARED INCOMING MESSAGE", ClearedInbound},
        {"DISCONNECT", Disconnect},
    };
    for (const auto& [text, code] : keywords)
        if (text::equalsIgnoringAsciiCase(keyword, text)) return code;
    return Unknown;
}

// A short, safe quotation of log text for a failure description.
QString quoted(std::string_view field) {
    constexpr std::size_t shown = 40;
    QString text = logText(field.substr(0, shown));
    for (QChar& c : text)
        if (!c.isPrint()) c = QLatin1Char('?');
    if (field.size() > shown) text += QStringLiteral("...");
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The state of one parse of one file.
class FileParse {
public:
    FileParse(IngestState& state, store::RowSink& sink, ParseObserver& observer, store::RowWatcher* watcher,
              const std::atomic<bool>* cancel)
        : state_(state), sink_(sink), observer_(observer), watcher_(watcher), cancel_(cancel) {}

    // False when the cancel flag stopped it.
    bool run(LogFileReader& reader) {
        int sinceProgress = 0;
        std::string_view line;
        bool cancelled = false;
        while (!cancelled && reader.nextLine(line)) {
            ++lineNumber_;
            const LineFields& fields = reader.fields();
            if (fields.count() >= 5) handleLine(fields);
            // A batch's worth of rows made since the last hand-over.
            if (batch_.messages.size() + completeWaitingPorts() >= batchRows + portsHeldBack_) handOver(false);
            if (++sinceProgress == CallLogParser::progressStep) {
                observer_.progress(lineNumber_);
                sinceProgress = 0;
                cancelled = cancel_ && cancel_->load(std::memory_order_relaxed);
            }
        }
        finish();
        return !cancelled;
    }

    const ParseFailures& failures() const { return failures_; }

    // The file ended early or could not be read on: its later lines are missing.
    void failAtEnd(FailureCode code, const QString& reason) {
        fail(code, QStringLiteral("Input past end of file: %1; the lines after line %2 are missing")
                       .arg(reason)
                       .arg(lineNumber_));
    }

private:
    void handleLine(const LineFields& f) {
        const EventCode code = eventCode(f[1]);
        LoadCounters& counters = state_.counters;
        switch (code) {
            case InboundCall:
                ++counters.inboundCalls;
                break;
            case OutboundCall:
                ++counters.outboundCalls;
                break;
            case NewInbound:
                ++counters.inboundMessagesDelivered;
                break;
            case NewOutbound:
                ++counters.outboundMessagesDelivered;
                break;
            default:
                break;
        }
        if (const auto& time = timeStamps_.read(f[0]))
            lineTime_ = *time;
        else
            fail(FailureCode::TypeMismatch,
                 QStringLiteral("Type mismatch: time stamp %1 does not convert").arg(quoted(f[0])));
        state_.reportDate = lineTime_;

        switch (code) {
            case InboundCall:
            case OutboundCall:
                callBegins(f, code);
                break;
            case Disconnect:
                disconnect(f);
                break;
            case NewInbound:
            case NewOutbound:
            case ClearedInbound:
            case ClearedOutbound:
                messageEvent(f, code);
                break;
            case Unknown:
                break;
        }
    }

    void readPortCounts(const LineFields& f) {
        readInt16(f[2], port_, "port number");
        readInt16(f[3], linesAvailable_, "lines available");
        readInt16(f[4], linesInUse_, "lines in use");
    }

    void readInt16(std::string_view field, int16_t& value, const char* what) {
        if (const auto converted = roundToInt16(leadingNumber(field)))
            value = *converted;
        else
            fail(FailureCode::Overflow,
                 QStringLiteral("Overflow: %1 %2 does not fit 16 bits").arg(QLatin1String(what), quoted(field)));
    }

    bool portInRange() {
        if (port_ >= 0 && port_ < CallLogParser::portCount) return true;
        fail(FailureCode::SubscriptOutOfRange,
             QStringLiteral("Subscript out of range: port %1 is outside 0..120").arg(port_));
        return false;
    }

    PortRecord portRow(EventCode code) {
        PortRecord row;
        row.rowId = state_.nextPortRowId++;
        row.port = port_;
        row.callType = code;
        row.startTime = lineTime_;
        row.linesAvailable = linesAvailable_;
        row.linesInUse = linesInUse_;
        row.startMinute = lineTime_.minuteOfDay();
        return row;
    }

    void callBegins(const LineFields& f, EventCode code) {
        readPortCounts(f);
        const PortRecord& row = waitingPorts_.emplace_back(portRow(code));
        if (portInRange()) {
            // A call still open on this port never sees its disconnect: it is
            // written as it stands and the new call takes its place.
            int64_t& open = openCalls_[static_cast<std::size_t>(port_)];
            if (open == 0) ++openCallCount_;
            open = row.rowId;
        }
        if (linesAvailable_ > state_.peakAvailableLines) state_.peakAvailableLines = linesAvailable_;
    }

    void disconnect(const LineFields& f) {
        readPortCounts(f);
        if (!portInRange()) return;
        int64_t& open = openCalls_[static_cast<std::size_t>(port_)];
        if (open == 0) return;

        PortRecord& row = waitingPorts_.emplace_back(portRow(Disconnect));
        row.endTime = store::Nullable<StoredTime>::of(lineTime_);

        // The elapsed seconds between the two full time stamps, so a call
        // that runs past midnight still gets its true, positive length.
        PortRecord& call = waitingPorts_[waitingIndex(open)];
        call.seconds = store::Nullable<int32_t>::of(
            static_cast<int32_t>(lineTime_.secondsSinceEpoch() - call.startTime.secondsSinceEpoch()));
        call.endMinute = store::Nullable<int32_t>::of(lineTime_.secondsOfDay() / 60);
        call.endTime = store::Nullable<StoredTime>::of(lineTime_);
        open = 0;
        --openCallCount_;
    }

    void messageEvent(const LineFields& f, EventCode code) {
        // Filled where it lies in the batch: a row built apart and copied in
        // is read back before its last bytes are written.
        store::MessageRecord& row = batch_.messages.emplace_back(blankMessage);
        if (!f.has(5)) {
            missingField(5, "delivery status");
        } else if (text::equalsIgnoringAsciiCase(f[5], "NDN")) {
            if (code == ClearedInbound) {
                row.errorState = 1;
                ++state_.counters.inboundNdns;
            } else if (code == ClearedOutbound) {
                row.errorState = 1;
                ++state_.counters.outboundNdns;
            }
        }
        row.time = StoredTime{0, 0, 0, lineTime_.hour, lineTime_.minute, 0};
        row.startMinute = lineTime_.minuteOfDay();
        row.messageType = code;
        row.veyraSerial = leadingNumber(f[2]);
        row.keldanSerial = leadingNumber(f[3]);
        row.guid.offset = static_cast<uint32_t>(batch_.text.size());
        appendLogTextUtf8(f[4], batch_.text);
        row.guid.length = static_cast<uint32_t>(batch_.text.size() - row.guid.offset);
        row.messageSize = optionalNumber(f, 6, "message size");
        row.messagesInQueue = optionalNumber(f, 7, "messages in queue");
        row.totalQueueSize = optionalNumber(f, 8, "total queue size");

        state_.veyraSerials.add(f[2]);
        state_.keldanSerials.add(f[3]);
    }

    store::Nullable<double> optionalNumber(const LineFields& f, std::size_t index, const char* what) {
        if (f.has(index)) return store::Nullable<double>::of(leadingNumber(f[index]));
        missingField(index, what);
        return {};
    }

    void missingField(std::size_t index, const char* what) {
        fail(FailureCode::SubscriptOutOfRange,
             QStringLiteral("Subscript out of range: field %1 (%2) is missing").arg(index).arg(QLatin1String(what)));
    }

    void fail(FailureCode code, QString description) { failures_.add(lineNumber_, code, std::move(description)); }

    // Calls still open at the end of the file stay open for good.
    void finish() {
        openCalls_.fill(0);
        openCallCount_ = 0;
        handOver(true);
    }

    // Port rows go to the sink in rowid order, which the database appends
    // fastest: a row waits while a call with a smaller rowid is still open,
    // unless too many rows wait already. Rows wait in rowid order, so the
    // rows that go are always the first ones; a call's row waits in its
    // place until the call ends.
    void handOver(bool fileEnded) {
        if (fileEnded || completeWaitingPorts() > maxWaitingPorts) {
            // Every row goes but those of calls still open.
            std::size_t kept = 0;
            for (std::size_t i = 0; i < waitingPorts_.size(); ++i) {
                if (isOpenCall(waitingPorts_[i]))
                    waitingPorts_[kept++] = waitingPorts_[i];
                else
                    batch_.ports.push_back(waitingPorts_[i]);
            }
            waitingPorts_.resize(kept);
        } else {
            const auto ready = waitingPorts_.begin() +
                               static_cast<std::ptrdiff_t>(openCallCount_ == 0 ? waitingPorts_.size()
                                                                               : waitingIndex(firstOpenCallRowId()));
            batch_.ports.insert(batch_.ports.end(), waitingPorts_.begin(), ready);
            waitingPorts_.erase(waitingPorts_.begin(), ready);
        }
        portsHeldBack_ = completeWaitingPorts();
        if (batch_.empty()) return;
        state_.minutes.take(batch_);
        if (watcher_) watcher_->see(batch_);
        sink_.take(batch_);
    }

    std::size_t completeWaitingPorts() const { return waitingPorts_.size() - openCallCount_; }

    bool isOpenCall(const PortRecord& row) const {
        return row.port >= 0 && row.port < CallLogParser::portCount &&
               openCalls_[static_cast<std::size_t>(row.port)] == row.rowId;
    }

    // Where a waiting row is. The rowids of the waiting rows have no gaps,
    // except after rows went around a call still open.
    std::size_t waitingIndex(int64_t rowId) const {
        const auto guess = static_cast<std::size_t>(rowId - waitingPorts_.front().rowId);
        if (guess < waitingPorts_.size() && waitingPorts_[guess].rowId == rowId) return guess;
        const auto at = std::partition_point(waitingPorts_.begin(), waitingPorts_.end(),
                                             [rowId](const PortRecord& row) { return row.rowId < rowId; });
        return static_cast<std::size_t>(at - waitingPorts_.begin());
    }

    int64_t firstOpenCallRowId() const {
        int64_t first = std::numeric_limits<int64_t>::max();
        for (const int64_t open : openCalls_)
            if (open != 0) first = std::min(first, open);
        return first;
    }

    IngestState& state_;
    store::RowSink& sink_;
    ParseObserver& observer_;
    store::RowWatcher* watcher_;
    const std::atomic<bool>* cancel_;
    store::RowBatch batch_;
    // Port rows in rowid order, from the oldest not yet handed over; those
    // of open calls among them.
    std::vector<PortRecord> waitingPorts_;
    std::size_t portsHeldBack_ = 0;  // rows of ended calls left waiting by the last hand-over
    ParseFailures failures_;
    TimeStampReader timeStamps_;
    // The rowid of each port's open call, 0 for none (rowids begin at 1).
    std::array<int64_t, CallLogParser::portCount> openCalls_{};
    std::size_t openCallCount_ = 0;
    StoredTime lineTime_ = StoredTime::zero();
    int16_t port_ = 0;
    int16_t linesAvailable_ = 0;
    int16_t linesInUse_ = 0;
    int64_t lineNumber_ = 0;
};

}  // namespace

CallLogParser::CallLogParser(IngestState& state, store::RowSink& sink, ParseObserver& observer,
                             store::RowWatcher* watcher, const std::atomic<bool>* cancel)
    : state_(state), sink_(sink), observer_(observer), watcher_(watcher), cancel_(cancel) {}

CallLogParser::FileOutcome CallLogParser::parseFile(const QString& path) {
    LogFileReader reader(path);
    switch (reader.open()) {
        case LogFileReader::Opened::Yes:
            break;
        case LogFileReader::Opened::NotRegular:
            observer_.show({QStringLiteral("Skipped, not a regular file (%1):\r\n%2").arg(reader.errorString(), path)});
            return FileOutcome::NotReadInFull;
        case LogFileReader::Opened::Failed: {
            ParseFailures failures;
            failures.add(0, FailureCode::FileAccess,
                         QStringLiteral("Cannot open the log file: ") + reader.errorString());
            observer_.show({failures.messageText(path)});
            return FileOutcome::NotReadInFull;
        }
    }
    const int64_t lines = reader.countLines(lineLimit);
    if (lines > lineLimit) {
        observer_.show({shell::myLoadResString(60) + QStringLiteral("\r\n") + path, shell::myLoadResString(8),
                        platform::UserMessage::Icon::Exclamation});
        return FileOutcome::NotReadInFull;
    }

    observer_.fileStarted(path, lines);
    FileParse parse(state_, sink_, observer_, watcher_, cancel_);
    const bool whole = parse.run(reader);
    observer_.fileFinished();
    if (!whole) return FileOutcome::Cancelled;
    if (reader.cutShort()) parse.failAtEnd(FailureCode::InputPastEnd, reader.errorString());
    if (!parse.failures().empty()) observer_.show({parse.failures().messageText(path)});
    return reader.cutShort() ? FileOutcome::NotReadInFull : FileOutcome::Read;
}

}  // namespace varnel::ingest
