// What the parser gathers while it reads logs: the counts for the load
// summary, the node serial numbers, the peak of available lines and the
// report date.
#pragma once

#include <cstdint>

#include "ingest/MinuteExtremes.h"
#include "ingest/SerialList.h"
#include "store/StoredTime.h"

namespace varnel::ingest {

struct LoadCounters {
    int32_t inboundCalls = 0;
    int32_t outboundCalls = 0;
    int32_t inboundMessagesDelivered = 0;
    int32_t outboundMessagesDelivered = 0;
    int32_t inboundNdns = 0;
    int32_t outboundNdns = 0;
};

struct IngestState {
    // Per load: reset by startLoad().
    LoadCounters counters;
    SerialList veyraSerials;
    SerialList keldanSerials;
    int64_t nextPortRowId = 1;
    MinuteExtremes minutes;  // of the rows handed to the database

    // Per program run: never reset by a load.
    int16_t peakAvailableLines = 0;
    store::StoredTime reportDate;

    void startLoad() {
        counters = {};
        veyraSerials.clear();
        keldanSerials.clear();
        nextPortRowId = 1;
        minutes.clear();
    }
};

}  // namespace varnel::ingest
