// The conditions that limit a report's raw message rows to a time range
// (strict bounds) and, when node limiting is on, to the chosen nodes. The
// time bounds are bound parameters; the chosen serial numbers go into two
// temporary tables of the connection, however many there are (a list of
// bound values would stop at SQLite's limit of 32,766 parameters).
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "reports/ReportRequest.h"

namespace varnel::store {
class Query;
class ReportDatabase;
}  // namespace varnel::store

namespace varnel::reports {

class RangeFilter {
public:
    // Fills the node tables when limiting; they are dropped again when the
    // filter goes, so statements using conditions() must be gone by then.
    // One filter at a time per connection. Throws SQLite::Exception when the
    // tables cannot be made.
    RangeFilter(store::ReportDatabase& db, const RangeRequest& request);
    ~RangeFilter();
    RangeFilter(const RangeFilter&) = delete;
    RangeFilter& operator=(const RangeFilter&) = delete;

    // Time strictly between the bounds, then the node conditions when limiting.
    std::string conditions() const;

    // Binds the values of conditions() from parameter index afterParameter + 1
    // on; returns the last index used.
    int bind(store::Query& query, int afterParameter) const;

private:
    store::ReportDatabase& db_;
    const RangeRequest& request_;
};

// The same time range and node choice judged on rows held in memory: accepts
// exactly the rows that RangeFilter's conditions select.
class RangeAcceptance {
public:
    explicit RangeAcceptance(const RangeRequest& request);

    bool accepts(int64_t startMinute, double veyraSerial, double keldanSerial) const;

    // Whether a serial number is among the chosen ones of its side; every
    // one is while node limiting is off.
    bool choosesVeyra(double serial) const { return !limitNodes_ || veyra_.contains(serial); }
    bool choosesKeldan(double serial) const { return !limitNodes_ || keldan_.contains(serial); }

private:
    bool limitNodes_;
    int64_t fromSeconds_;
    int64_t toSeconds_;
    std::unordered_set<double> keldan_;
    std::unordered_set<double> veyra_;
};

}  // namespace varnel::reports
