#include "summaries/SummaryCsv.h"

#include <algorithm>
#include <string_view>

#include "reports/TimeText.h"
#include "shell/StringTable.h"
#include "summaries/SummaryTable.h"
#include "text/Blanks.h"
#include "text/CsvCell.h"
#include "text/NumberText.h"

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
            line += table.textColumns.value(column) ? text::csvTextCell(row[column]) : row[column];
            if (cellsEndInComma) line += QLatin1Char(',');
        }
        csv.line(line);
    }
    return csv.ok();
}

// A cell that the text cell rule leaves as it is: printable ASCII without
// commas or quotes, not starting like a formula. Most identifiers are such
// cells.
bool isPlainCell(std::string_view cell) {
    if (cell.empty()) return true;
    switch (cell.front()) {
        case '=':
        case '+':
        case '-':
        case '@':
            return false;
        default:
            break;
    }
    return std::all_of(cell.begin(), cell.end(), [](char c) { return c > ' ' && c < 0x7f && c != ',' && c != '"'; });
}

}  // namespace

bool writePortAvailabilityCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeTableCsv(portAvailabilityTable(grid), out);
}

bool writeQueueActivityCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeTableCsv(queueActivityTable(grid), out);
}

bool writeLatencyCsv(const reports::LatencyRows& outbound, QIODevice& out) {
    CsvLines csv(out);
    csv.line(myLoadResString(50));
    reports::LongTimeTexts times;
    for (std::size_t row = 0; row < outbound.size(); ++row) {
        QByteArray& line = csv.lineBytes();
        // The identifier's bytes as logged, without the blanks at its ends.
        const reports::IdentifierText logged = outbound.guid(row);
        const std::string_view guid = text::withoutEndBlanks(logged);
        if (isPlainCell(guid))
            line.append(guid.data(), static_cast<qsizetype>(guid.size()));
        else
            line += text::csvTextCellBytes(QByteArrayView(guid.data(), static_cast<qsizetype>(guid.size())));
        line += ',';
        line += times.local8Bit(QTime(0, 0).addSecs(outbound.deliveredSeconds(row)));
        line += ',';
        text::appendTrimmedNumberText(static_cast<double>(outbound.secondsInQueue(row)), line);
        line += ',';
        text::appendTrimmedNumberText(outbound.veyraNodeId(row), line);
        line += ',';
        text::appendTrimmedNumberText(outbound.keldanNodeId(row), line);
        csv.endLine();
    }
    return csv.ok();
}

bool writeNodeTrafficCsv(const SummaryGrid& grid, QIODevice& out) { return writeTableCsv(nodeTrafficTable(grid), out); }

bool writeNodeErrorCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeTableCsv(nodeErrorTable(grid), out, true);
}

bool writeDailyTrendCsv(const trend::DailyTrend& days, QIODevice& out) {
    return writeTableCsv(dailyTrendTable(days), out);
}

}  // namespace varnel::summaries
