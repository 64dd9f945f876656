#include "summaries/SummaryCsv.h"

#include <algorithm>
#include <string_view>

#include "reports/TimeText.h"
#include "shell/StringTable.h"
#include "summaries/CsvCell.h"
#include "summaries/NumberText.h"

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

// The one text column of the node files; every other column holds numbers.
const QString nodeTypeKey = QStringLiteral("NodeType");

// A trimmed cell of a row, made safe when its column holds text.
QString cellText(const SummaryGrid& grid, int row, const QString& key) {
    const QString cell = grid.cell(row, key).trimmed();
    return key == nodeTypeKey ? csvTextCell(cell) : cell;
}

// The cells of a row in the columns of the keys, joined by commas.
QString joinedCells(const SummaryGrid& grid, int row, const QStringList& keys) {
    QStringList cells;
    for (const QString& key : keys) cells << cellText(grid, row, key);
    return cells.join(QLatin1Char(','));
}

bool writeRowsByKey(const SummaryGrid& grid, QIODevice& out, const QString& header, const QStringList& keys) {
    CsvLines csv(out);
    csv.line(header);
    for (int row = 0; row < grid.rows.size(); ++row) csv.line(joinedCells(grid, row, keys));
    return csv.ok();
}

bool writeHourRows(const SummaryGrid& grid, QIODevice& out, const QString& header, const QStringList& keys) {
    CsvLines csv(out);
    csv.line(header);
    for (int row = 0; row < grid.rows.size(); ++row)
        csv.line(QString::number(row + 1) + QLatin1Char(',') + joinedCells(grid, row, keys));
    return csv.ok();
}

// A cell that trimming and the text cell rule leave as it is, in the same
// bytes in the local encoding: printable ASCII without blanks, commas or
// quotes, not starting like a formula. Most identifiers are such cells.
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
    return writeHourRows(grid, out, myLoadResString(34),
                         {QStringLiteral("MaxPortsInUse"), QStringLiteral("MinPortsAvailableToTakeCalls")});
}

bool writeQueueActivityCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeHourRows(grid, out, myLoadResString(33),
                         {QStringLiteral("MaxInboundMessages"), QStringLiteral("MaxInboundMessageSize"),
                          QStringLiteral("MaxOutboundMessages"), QStringLiteral("MaxOutboundMessageSize")});
}

bool writeLatencyCsv(const reports::LatencyRows& outbound, QIODevice& out) {
    CsvLines csv(out);
    csv.line(myLoadResString(50));
    reports::LongTimeTexts times;
    for (std::size_t row = 0; row < outbound.size(); ++row) {
        QByteArray& line = csv.lineBytes();
        const std::string_view guid = outbound.guid(row);
        if (isPlainCell(guid))
            line.append(guid.data(), static_cast<qsizetype>(guid.size()));
        else
            line += csvTextCell(QString::fromUtf8(guid).trimmed()).toLocal8Bit();
        line += ',';
        line += times.local8Bit(QTime(0, 0).addSecs(outbound.deliveredSeconds(row)));
        line += ',';
        appendTrimmedNumberText(static_cast<double>(outbound.secondsInQueue(row)), line);
        line += ',';
        appendTrimmedNumberText(outbound.veyraNodeId(row), line);
        line += ',';
        appendTrimmedNumberText(outbound.keldanNodeId(row), line);
        csv.endLine();
    }
    return csv.ok();
}

bool writeNodeTrafficCsv(const SummaryGrid& grid, QIODevice& out) {
    return writeRowsByKey(
        grid, out, myLoadResString(76),
        {nodeTypeKey, QStringLiteral("NodeID"), QStringLiteral("InboundMessages"), QStringLiteral("InboundMessageSize"),
         QStringLiteral("OutboundMessages"), QStringLiteral("OutboundMessageSize")});
}

bool writeNodeErrorCsv(const SummaryGrid& grid, QIODevice& out) {
    CsvLines csv(out);
    // A fixed English header: this file never followed the language choice.
    csv.line(QStringLiteral("Node Type, Node ID, Inbound NDNs, Outbound NDNs"));
    const QStringList keys = {nodeTypeKey, QStringLiteral("NodeID"), QStringLiteral("InboundMessages"),
                              QStringLiteral("OutboundMessages")};
    for (int row = 0; row < grid.rows.size(); ++row) {
        QString line;
        for (const QString& key : keys) line += cellText(grid, row, key) + QLatin1Char(',');
        csv.line(line);
    }
    return csv.ok();
}

}  // namespace varnel::summaries
