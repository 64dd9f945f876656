#pragma once

#include <string>

#include "CalendarDate.h"
#include "CallLogEvents.h"

// Writes events as call log lines: comma separated fields, no quoting, the
// time stamp first as "M/D/YYYY H:MM:SS".
class LineFormatter {
public:
    LineFormatter(const CalendarDate& date, bool crlf);

    void appendPort(std::string& out, const PortEvent& event) const;
    void appendMessage(std::string& out, const MessageEvent& event) const;

private:
    void appendTimeStamp(std::string& out, unsigned second) const;
    void appendLineEnd(std::string& out) const;

    std::string datePrefix_;
    bool crlf_;
};
