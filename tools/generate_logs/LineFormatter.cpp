#include "LineFormatter.h"

#include <charconv>
#include <string_view>

namespace {

template <typename Number>
void appendNumber(std::string& out, Number value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void appendTwoDigits(std::string& out, unsigned value) {
    out.push_back(static_cast<char>('0' + value / 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

void appendHex(std::string& out, std::uint64_t value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out.push_back(kHex[(value >> shift) & 0xF]);
}

void appendGuid(std::string& out, const MessageGuid& guid) {
    out.push_back('{');
    appendHex(out, guid.high >> 32, 8);
    out.push_back('-');
    appendHex(out, guid.high >> 16, 4);
    out.push_back('-');
    appendHex(out, guid.high, 4);
    out.push_back('-');
    appendHex(out, guid.low >> 48, 4);
    out.push_back('-');
    appendHex(out, guid.low, 12);
    out.push_back('}');
}

std::string_view portKeyword(PortEventKind kind) {
    switch (kind) {
        case PortEventKind::Incoming:
            return "INCOMING";
        case PortEventKind::Outgoing:
            return "OUTGOING";
        case PortEventKind::Disconnect:
            return "DISCONNECT";
    }
    return {};
}

std::string_view messageKeyword(const MessageEvent& event) {
    const bool outbound = event.direction == MessageDirection::Outbound;
    if (event.cleared) return outbound ? "CLEARED OUTGOING MESSAGE" : "CLEARED INCOMING MESSAGE";
    return outbound ? "NEW OUTGOING MESSAGE" : "NEW INCOMING MESSAGE";
}

}  // namespace

LineFormatter::LineFormatter(const CalendarDate& date, bool crlf)
    : datePrefix_(date.monthDayYear() + ' '), crlf_(crlf) {}

void LineFormatter::appendPort(std::string& out, const PortEvent& event) const {
    appendTimeStamp(out, event.second);
    out.push_back(',');
    out.append(portKeyword(event.kind));
    out.push_back(',');
    appendNumber(out, event.port);
    out.push_back(',');
    appendNumber(out, event.linesAvailable);
    out.push_back(',');
    appendNumber(out, event.linesInUse);
    appendLineEnd(out);
}

void LineFormatter::appendMessage(std::string& out, const MessageEvent& event) const {
    appendTimeStamp(out, event.second);
    out.push_back(',');
    out.append(messageKeyword(event));
    out.push_back(',');
    appendNumber(out, event.veyraSerial);
    out.push_back(',');
    appendNumber(out, event.keldanSerial);
    out.push_back(',');
    appendGuid(out, event.guid);
    out.append(event.nonDelivered ? ",NDN," : ",OK,");
    appendNumber(out, event.sizeBytes);
    out.push_back(',');
    appendNumber(out, event.queueLength);
    out.push_back(',');
    appendNumber(out, event.queueBytes);
    appendLineEnd(out);
}

void LineFormatter::appendTimeStamp(std::string& out, unsigned second) const {
    out.append(datePrefix_);
    appendNumber(out, second / 3600);
    out.push_back(':');
    appendTwoDigits(out, second / 60 % 60);
    out.push_back(':');
    appendTwoDigits(out, second % 60);
}

void LineFormatter::appendLineEnd(std::string& out) const { out.append(crlf_ ? "\r\n" : "\n"); }
