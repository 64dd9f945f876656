// Gathers the daily trend from a load's rows as the parser hands them to the
// database: one DayFigures per day entry, made from the rows seen between
// that day's start and the next. What it keeps while it gathers is the
// finished days, the bits and queue times of the day being read, and the
// outbound messages still waiting that a later clear may take: those queued
// on the day before the day being read or on that day, so that a message
// cleared after midnight still pairs.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "ingest/MinuteExtremes.h"
#include "store/RawRows.h"
#include "trend/DayFigures.h"
#include "trend/OpenOutboundMessages.h"

namespace varnel::trend {

class DailyTrendGatherer : public store::RowWatcher {
public:
    // Rows seen before the first day started belong to no day and are left out.
    void dayStarted(const QDate& day) override;
    void see(const store::RowBatch& batch) override;

    // The figures of every day started, in the order they started; call once,
    // after the load has ended.
    DailyTrend finish();

private:
    void seePort(const store::PortRecord& row);
    void seeMessage(const store::MessageRecord& row, std::string_view identifier);
    int64_t secondOf(const store::StoredTime& time);
    void closeDay();

    DailyTrend days_;
    bool dayOpen_ = false;
    DayFigures day_;
    int64_t dayNumber_ = 0;  // the Julian day of day_
    double inboundBytes_ = 0;
    double outboundBytes_ = 0;
    std::bitset<ingest::minutesPerDay> minutesWithoutFreePort_;
    std::vector<int64_t> queueSeconds_;
    OpenOutboundMessages waiting_;
    // The last date met in a time stamp, with its day count, which most lines share.
    store::StoredTime lastDate_;
    int64_t lastDateDays_ = lastDate_.daysSinceEpoch();
};

}  // namespace varnel::trend
