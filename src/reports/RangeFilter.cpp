#include "reports/RangeFilter.h"

#include <algorithm>

#include "store/Query.h"

namespace varnel::reports {

RangeFilter::RangeFilter(const RangeRequest& request)
    : request_(request),
      keldan_(nodeValues(request.nodes.selectedKeldan)),
      veyra_(nodeValues(request.nodes.selectedVeyra)),
      fromSeconds_(QTime(0, 0).secsTo(request.from)),
      toSeconds_(QTime(0, 0).secsTo(request.to)) {}

// A row's Time is the time of day of its StartMinute, cut to the minute, so
// the bounds are compared as seconds of the day: the same result as comparing
// the time texts, without a text comparison for every row.
std::string RangeFilter::conditions() const {
    std::string sql = "StartMinute * 60 < ? AND StartMinute * 60 > ?";
    if (request_.nodes.limitNodes)
        sql += " AND KeldanSerialNumber IN (" + store::placeholders(keldan_.size()) + ") AND VeyraSerialNumber IN (" +
               store::placeholders(veyra_.size()) + ")";
    return sql;
}

int RangeFilter::bind(store::Query& query, int afterParameter) const {
    int parameter = afterParameter;
    query.bind(++parameter, toSeconds_);
    query.bind(++parameter, fromSeconds_);
    if (request_.nodes.limitNodes) {
        for (double value : keldan_) query.bind(++parameter, value);
        for (double value : veyra_) query.bind(++parameter, value);
    }
    return parameter;
}

bool RangeFilter::accepts(int64_t startMinute, double veyraSerial, double keldanSerial) const {
    if (!(startMinute * 60 < toSeconds_ && startMinute * 60 > fromSeconds_)) return false;
    if (!request_.nodes.limitNodes) return true;
    const auto among = [](const std::vector<double>& values, double value) {
        return std::find(values.begin(), values.end(), value) != values.end();
    };
    return among(keldan_, keldanSerial) && among(veyra_, veyraSerial);
}

}  // namespace varnel::reports
