// The latency report's file of unmatched messages, written with debug on:
// a header line, then each message event left without a partner.
#pragma once

#include <QIODevice>

#include "reports/LatencyTable.h"

namespace varnel::reports {

// Writes the unmatched events of the pairing to file after its header line.
void writeUnmatchedEvents(QIODevice& file, const LatencyPairs& pairs);

}  // namespace varnel::reports
