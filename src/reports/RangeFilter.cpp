#include "reports/RangeFilter.h"

#include "store/Query.h"

namespace varnel::reports {

RangeFilter::RangeFilter(const RangeRequest& request)
    : request_(request),
      keldan_(nodeValues(request.nodes.selectedKeldan)),
      veyra_(nodeValues(request.nodes.selectedVeyra)) {}

std::string RangeFilter::conditions() const {
    std::string sql = "Time < ? AND Time > ?";
    if (request_.nodes.limitNodes)
        sql += " AND KeldanSerialNumber IN (" + store::placeholders(keldan_.size()) + ") AND VeyraSerialNumber IN (" +
               store::placeholders(veyra_.size()) + ")";
    return sql;
}

int RangeFilter::bind(store::Query& query, int afterParameter) const {
    int parameter = afterParameter;
    query.bind(++parameter, request_.to.toString(QStringLiteral("HH:mm:ss")).toStdString());
    query.bind(++parameter, request_.from.toString(QStringLiteral("HH:mm:ss")).toStdString());
    if (request_.nodes.limitNodes) {
        for (double value : keldan_) query.bind(++parameter, value);
        for (double value : veyra_) query.bind(++parameter, value);
    }
    return parameter;
}

}  // namespace varnel::reports
