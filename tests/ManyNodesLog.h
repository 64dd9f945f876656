// A day's log naming many distinct nodes: message i is delivered outbound
// from Veyra node manyVeyraSerial(i) to Keldan node manyKeldanSerial(i), one
// megabyte each, after one call so that the load reports call traffic.
#pragma once

#include <QString>
#include <QStringList>

namespace varnel::test {

inline QString manyVeyraSerial(int i) { return QString::number(100000 + i); }
inline QString manyKeldanSerial(int i) { return QString::number(500000 + i); }

// The log lines of 12 May 2004, without line ends.
inline QStringList manyNodesLogLines(int nodes) {
    QStringList lines{QStringLiteral("5/12/2004 7:00:00,INCOMING,1,20,2")};
    lines.reserve(nodes + 1);
    for (int i = 0; i < nodes; ++i)
        lines << QStringLiteral("5/12/2004 9:00:00,CLEARED OUTGOING MESSAGE,%1,%2,{M%3},OK,1000000,1,100")
                     .arg(manyVeyraSerial(i), manyKeldanSerial(i))
                     .arg(i);
    return lines;
}

// The Veyra or Keldan serials of messages first to last - 1, in order.
inline QStringList manySerials(QString (*serial)(int), int first, int last) {
    QStringList out;
    out.reserve(last - first);
    for (int i = first; i < last; ++i) out << serial(i);
    return out;
}

}  // namespace varnel::test
