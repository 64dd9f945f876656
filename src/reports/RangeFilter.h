// The conditions that limit a report's raw message rows to a time range
// (strict bounds) and, when node limiting is on, to the chosen nodes. Every
// value is bound as a parameter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reports/ReportRequest.h"

namespace varnel::store {
class Query;
}

namespace varnel::reports {

class RangeFilter {
public:
    explicit RangeFilter(const RangeRequest& request);

    // Time strictly between the bounds, then the node conditions when limiting.
    std::string conditions() const;

    // Binds the values of conditions() from parameter index afterParameter + 1
    // on; returns the last index used.
    int bind(store::Query& query, int afterParameter) const;

    // Whether a row with these stored values meets conditions(), for rows
    // held in memory rather than selected.
    bool accepts(int64_t startMinute, double veyraSerial, double keldanSerial) const;

private:
    const RangeRequest& request_;
    std::vector<double> keldan_;
    std::vector<double> veyra_;
    int64_t fromSeconds_;
    int64_t toSeconds_;
};

}  // namespace varnel::reports
