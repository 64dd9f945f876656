// The MessageLatency table of a working database as text, row by row in
// stored order, every column, so that two builds of it can be compared.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "store/Query.h"
#include "store/ReportDatabase.h"

namespace varnel::test {

inline std::vector<std::string> storedLatencyRows(const QString& workingDatabase) {
    store::ReportDatabase db(workingDatabase);
    store::Query select(db.connection(),
                        "SELECT \"Index\", MessageGUID, TimeDelivered, SecondsInQueue, VeyraNodeID, KeldanNodeID, "
                        "OutboundMessage FROM MessageLatency ORDER BY \"Index\"");
    std::vector<std::string> rows;
    while (select.next()) {
        std::string row;
        for (int c = 0; c < 7; ++c) row += std::string(select.text(c)) + "|";
        rows.push_back(row);
    }
    return rows;
}

}  // namespace varnel::test
