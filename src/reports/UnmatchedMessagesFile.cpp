#include "reports/UnmatchedMessagesFile.h"

#include "reports/TimeText.h"
#include "shell/StringTable.h"
#include "text/CsvCell.h"
#include "text/NumberText.h"

namespace varnel::reports {

namespace {

QTime timeOfDay(int seconds) { return QTime(0, 0).addSecs(seconds); }

void writeUnmatched(QIODevice& file, const MessageEvents& events, const std::vector<UnmatchedEvent>& unmatched) {
    using text::trimmedNumberText;
    file.write((shell::myLoadResString(51) + QStringLiteral("\r\n")).toLocal8Bit());
    for (const UnmatchedEvent& entry : unmatched) {
        const uint32_t found = entry.firstOfIdentifier;
        const IdentifierText guid = events.guid(entry.event);
        const QString line = text::csvTextCell(QString::fromUtf8(guid.view())) + QLatin1Char(',') +
                             longTimeText(timeOfDay(events.secondsOfDay(found))) + QLatin1Char(',') +
                             trimmedNumberText(events.keldanSerial(found)) + QLatin1Char(',') +
                             trimmedNumberText(events.veyraSerial(found)) + QStringLiteral("\r\n");
        file.write(line.toLocal8Bit());
    }
}

}  // namespace

void writeUnmatchedEvents(QIODevice& file, const LatencyPairs& pairs) {
    writeUnmatched(file, *pairs.events, pairs.pairing.unmatched);
}

}  // namespace varnel::reports
