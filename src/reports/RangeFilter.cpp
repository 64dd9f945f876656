#include "reports/RangeFilter.h"

#include <SQLiteCpp/Savepoint.h>

#include <cmath>

#include "store/Query.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

namespace {

constexpr const char* keldanTable = "temp.SelectedKeldanNodes";
constexpr const char* veyraTable = "temp.SelectedVeyraNodes";

// A table of distinct serial numbers, searched through its key.
void fillNodeTable(SQLite::Database& connection, const char* table, const QStringList& entries) {
    connection.exec(std::string("DROP TABLE IF EXISTS ") + table);
    connection.exec(std::string("CREATE TABLE ") + table + " (Serial REAL PRIMARY KEY) WITHOUT ROWID");
    store::Query insert(connection, std::string("INSERT OR IGNORE INTO ") + table + " (Serial) VALUES (?)");
    for (const QString& entry : entries) {
        // A serial that is not a number matches no row.
        const double value = nodeValue(entry);
        if (std::isnan(value)) continue;
        insert.bind(1, value);
        insert.run();
    }
}

}  // namespace

RangeFilter::RangeFilter(store::ReportDatabase& db, const RangeRequest& request) : db_(db), request_(request) {
    if (!request_.nodes.limitNodes) return;
    // One savepoint for all the rows; it nests inside a caller's transaction.
    SQLite::Savepoint filling(db_.connection(), "FillSelectedNodes");
    fillNodeTable(db_.connection(), keldanTable, request_.nodes.selectedKeldan);
    fillNodeTable(db_.connection(), veyraTable, request_.nodes.selectedVeyra);
    filling.release();
}

RangeFilter::~RangeFilter() {
    if (!request_.nodes.limitNodes) return;
    // Only the connection's private copy is lost if this fails.
    db_.connection().tryExec(std::string("DROP TABLE IF EXISTS ") + keldanTable);
    db_.connection().tryExec(std::string("DROP TABLE IF EXISTS ") + veyraTable);
}

// A row's Time is the time of day of its StartMinute, cut to the minute, so
// the bounds are compared as seconds of the day: the same result as comparing
// the time texts, without a text comparison for every row.
std::string RangeFilter::conditions() const {
    std::string sql = "StartMinute * 60 < ? AND StartMinute * 60 > ?";
    if (request_.nodes.limitNodes)
        sql += std::string(" AND KeldanSerialNumber IN (SELECT Serial FROM ") + keldanTable +
               ") AND VeyraSerialNumber IN (SELECT Serial FROM " + veyraTable + ")";
    return sql;
}

int RangeFilter::bind(store::Query& query, int afterParameter) const {
    int parameter = afterParameter;
    query.bind(++parameter, int64_t{QTime(0, 0).secsTo(request_.to)});
    query.bind(++parameter, int64_t{QTime(0, 0).secsTo(request_.from)});
    return parameter;
}

namespace {

// The numbers of the chosen entries; a serial that is not a number is left
// out, as it matches no row.
std::unordered_set<double> nodeSet(const QStringList& entries) {
    std::unordered_set<double> values;
    for (const QString& entry : entries)
        if (const double value = nodeValue(entry); !std::isnan(value)) values.insert(value);
    return values;
}

}  // namespace

RangeAcceptance::RangeAcceptance(const RangeRequest& request)
    : limitNodes_(request.nodes.limitNodes),
      fromSeconds_(QTime(0, 0).secsTo(request.from)),
      toSeconds_(QTime(0, 0).secsTo(request.to)) {
    if (!limitNodes_) return;
    keldan_ = nodeSet(request.nodes.selectedKeldan);
    veyra_ = nodeSet(request.nodes.selectedVeyra);
}

bool RangeAcceptance::accepts(int64_t startMinute, double veyraSerial, double keldanSerial) const {
    if (!(startMinute * 60 < toSeconds_ && startMinute * 60 > fromSeconds_)) return false;
    return choosesKeldan(keldanSerial) && choosesVeyra(veyraSerial);
}

}  // namespace varnel::reports
