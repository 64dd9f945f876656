#include "summaries/SummaryCsv.h"

#include "reports/TimeText.h"
#include "shell/StringTable.h"
#include "summaries/CsvCell.h"
#include "summaries/NumberText.h"
#include "summaries/SummaryTable.h"

namespace varnel::summaries {

namespace {

using shell::myLoadResString;

// Lines gathered into one buffer and written in large blocks.
class CsvLines {
public:
    explicit CsvLines(QIODevice& out) : out_(out) {}
    ~CsvLines() { flush(); }
    void line(const QString& text) {
        buffer_ += text.toLocal8Bit();
        endLine();
    }
    // A line written as bytes: its cells appended to lineBytes(), then endLine().
    QByteArray& lineBytes() { return buffer_; }
    void endLine() {
        buffer_ += "\r\n";
        if (buffer_.size() >= blockBytes) flush();
    }
    bool ok() {
        flush();
        return ok_;
    }

private:
    static constexpr qsizetype blockBytes = 1 << 16;

    void flush() {
        if (buffer_.isEmpty()) return;
        ok_ = ok_ && out_.write(buffer_) == buffer_.size();
        buffer_.clear();
    }

    QIODevice& out_;
    QByteArray buffer_;
    bool ok_ = true;
};

// The table's lines: cells joined by commas, or each cell followed by one
// when cellsEndInComma; text cells made safe.
bool writeTableCsv(const SummaryTable& table, QIODevice& out, bool cellsEndInComma = false) {
    CsvLines csv(out);
    csv.line(table.headerLine);
    for (const QStringList& row : table.rows) {
        QString line;
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column > 0 && !cellsEndInComma) line += QLatin1Char(',');
            line += table.textColumns.value(column) ? csvTextCell(row[column]) : row[column];
            if (cellsEndInComma) line += QLatin1Char(',');
        }
        csv.line(line);
    }
    return csv.ok();
}

}  // namespace

bool writePortAvailabilityCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeTableCsv(portAvailabilityTable(grid), out);
}

bool writeQueueActivityCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeTableCsv(queueActivityTable(grid), out);
}

bool writeLatencyCsv(const std::vector<reports::LatencyRow>& outbound, QIODevice& out) {
    CsvLines csv(out);
    csv.line(myLoadResString(50));
    reports::LongTimeTexts times;
    for (const reports::LatencyRow& row : outbound) {
        QByteArray& line = csv.lineBytes();
        line += csvTextCell(row.messageGuid.trimmed()).toLocal8Bit();
        line += ',';
        line += times.local8Bit(row.timeDelivered);
        line += ',';
        appendTrimmedNumberText(static_cast<double>(row.secondsInQueue), line);
        line += ',';
        appendTrimmedNumberText(row.veyraNodeId, line);
        line += ',';
        appendTrimmedNumberText(row.keldanNodeId, line);
        csv.endLine();
    }
    return csv.ok();
}

bool writeNodeTrafficCsv(const SummaryGrid& grid, QIODevice& out) { return writeTableCsv(nodeTrafficTable(grid), out); }

bool writeNodeErrorCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeTableCsv(nodeErrorTable(grid), out, true);
}

}  // namespace varnel::summaries
