// The daily trend gathered while a load stores its rows, against a count of
// the log lines made here another way: all outbound events of the load
// sorted by time and paired in one pass. Generated days, one of them with
// too few ports, one without events, identifiers in mixed letter case and a
// message cleared after midnight; each day also against Load Data of that
// day alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "store/RowWatchers.h"
#include "trend/DailyTrendGatherer.h"

using namespace varnel;

namespace {

using trend::DayFigures;

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), ::toupper);
    return text;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), ::tolower);
    return text;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The lines of a file without their line ends.
std::vector<std::string> linesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<std::string> lines;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        lines.push_back(line.toStdString());
    }
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

void writeLines(const QString& path, const std::vector<std::string>& lines) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const std::string& line : lines) file.write((line + "\r\n").c_str());
}

QStringList logsOfDay(const QString& folder, const QDate& day) {
    return QDir(folder).entryList({QStringLiteral("CallLog_") + day.toString(QStringLiteral("yyyyMMdd")) + "*"},
                                  QDir::Files, QDir::Name);
}

// "M/D/YYYY H:MM:SS" as seconds from a fixed start.
int64_t secondsOf(const std::string& stamp) {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    EXPECT_EQ(std::sscanf(stamp.c_str(), "%d/%d/%d %d:%d:%d", &month, &day, &year, &hour, &minute, &second), 6)
        << stamp;
    return QDate(year, month, day).toJulianDay() * 86400 + hour * 3600 + minute * 60 + second;
}

// The figures of the days counted from their log lines.
trend::DailyTrend countIndependently(const QString& folder, const QList<QDate>& days) {
    struct Outbound {
        int64_t second;
        int dayIndex;
        bool cleared;
        std::string identifier;
    };
    std::vector<Outbound> outbound;
    trend::DailyTrend counted;
    for (int d = 0; d < days.size(); ++d) {
        DayFigures figures;
        figures.day = days[d];
        double inboundBytes = 0, outboundBytes = 0;
        std::array<bool, 1440> zeroMinutes{};
        const auto portRow = [&](const std::vector<std::string>& f) {
            const int available = std::stoi(f[3]), inUse = std::stoi(f[4]);
            figures.peakPortsBusy = std::max(figures.peakPortsBusy.value_or(inUse), inUse);
            figures.fewestPortsFree = std::min(figures.fewestPortsFree.value_or(available), available);
            if (available == 0) zeroMinutes[static_cast<std::size_t>(secondsOf(f[0]) % 86400 / 60)] = true;
        };
        const auto size = [](const std::vector<std::string>& f) { return f.size() > 6 ? std::stod(f[6]) : 0.0; };
        const auto isNdn = [](const std::vector<std::string>& f) { return f.size() > 5 && upper(f[5]) == "NDN"; };
        for (const QString& name : logsOfDay(folder, days[d])) {
            std::array<bool, 121> openCall{};
            for (const std::string& line : linesOf(QDir(folder).filePath(name))) {
                const std::vector<std::string> f = fieldsOf(line);
                if (f.size() < 5) continue;
                const std::string keyword = upper(f[1]);
                if (keyword == "INCOMING" || keyword == "OUTGOING") {
                    ++(keyword == "INCOMING" ? figures.inboundCalls : figures.outboundCalls);
                    portRow(f);
                    openCall.at(static_cast<std::size_t>(std::stoi(f[2]))) = true;
                } else if (keyword == "DISCONNECT") {
                    if (openCall.at(static_cast<std::size_t>(std::stoi(f[2])))) portRow(f);
                    openCall.at(static_cast<std::size_t>(std::stoi(f[2]))) = false;
                } else if (keyword == "NEW INCOMING MESSAGE") {
                    ++figures.inboundMessages;
                    inboundBytes += size(f);
                } else if (keyword == "NEW OUTGOING MESSAGE") {
                    ++figures.outboundMessages;
                    outboundBytes += size(f);
                    outbound.push_back({secondsOf(f[0]), d, false, lower(f[4])});
                } else if (keyword == "CLEARED INCOMING MESSAGE") {
                    figures.inboundNdns += isNdn(f);
                } else if (keyword == "CLEARED OUTGOING MESSAGE") {
                    figures.outboundNdns += isNdn(f);
                    outbound.push_back({secondsOf(f[0]), d, true, lower(f[4])});
                }
            }
        }
        figures.inboundMegabytes = inboundBytes / 1e6;
        figures.outboundMegabytes = outboundBytes / 1e6;
        figures.minutesWithoutFreePort = static_cast<int>(std::count(zeroMinutes.begin(), zeroMinutes.end(), true));
        counted.push_back(figures);
    }

    // One pass in time order, then load order: each clear takes the first
    // waiting message of its identifier, unless that was queued more than a
    // calendar day before the clear's day.
    std::stable_sort(outbound.begin(), outbound.end(),
                     [](const Outbound& a, const Outbound& b) { return a.second < b.second; });
    std::map<std::string, std::deque<Outbound>> waiting;
    std::vector<std::vector<int64_t>> queueSeconds(static_cast<std::size_t>(days.size()));
    for (const Outbound& event : outbound) {
        std::deque<Outbound>& queue = waiting[event.identifier];
        if (!event.cleared) {
            queue.push_back(event);
            continue;
        }
        while (!queue.empty() && days[queue.front().dayIndex] < days[event.dayIndex].addDays(-1)) queue.pop_front();
        if (queue.empty()) continue;
        queueSeconds[static_cast<std::size_t>(event.dayIndex)].push_back(event.second - queue.front().second);
        queue.pop_front();
    }
    for (std::size_t d = 0; d < counted.size(); ++d) {
        std::vector<int64_t>& values = queueSeconds[d];
        if (values.empty()) continue;
        std::sort(values.begin(), values.end());
        const std::size_t n = values.size();
        counted[d].outboundQueue =
            trend::QueueSeconds{values[(50 * n + 99) / 100 - 1], values[(95 * n + 99) / 100 - 1], values.back()};
    }
    return counted;
}

// Every figure of a day, to compare and to show.
std::string textOf(const DayFigures& d) {
    const auto optional = [](const auto& value) { return value ? std::to_string(*value) : std::string("-"); };
    char megabytes[64];
    std::snprintf(megabytes, sizeof megabytes, "%.17g/%.17g", d.inboundMegabytes, d.outboundMegabytes);
    std::string text = d.day.toString(Qt::ISODate).toStdString() + " calls " + std::to_string(d.inboundCalls) + "/" +
                       std::to_string(d.outboundCalls) + " ports " + optional(d.peakPortsBusy) + "/" +
                       optional(d.fewestPortsFree) + "/" + std::to_string(d.minutesWithoutFreePort) + " messages " +
                       std::to_string(d.inboundMessages) + "/" + std::to_string(d.outboundMessages) + " MB " +
                       megabytes + " NDNs " + std::to_string(d.inboundNdns) + "/" + std::to_string(d.outboundNdns);
    if (d.outboundQueue)
        text += " queue " + std::to_string(d.outboundQueue->median) + "/" +
                std::to_string(d.outboundQueue->percentile95) + "/" + std::to_string(d.outboundQueue->longest);
    return text;
}

std::vector<std::string> textsOf(const trend::DailyTrend& days) {
    std::vector<std::string> texts;
    for (const DayFigures& day : days) texts.push_back(textOf(day));
    return texts;
}

const QDate tooFewPorts(2004, 5, 10);
const QDate mixedCase(2004, 5, 11);
const QDate withoutEvents(2004, 5, 12);
const QDate ordinary(2004, 5, 13);
// Queued in the evening before mixedCase, cleared on it: the longest wait there.
constexpr int64_t acrossMidnight = 4 * 3600 + 7;

class DailyTrendGathering : public ::testing::Test, protected test::LoadScene {
protected:
    static void generate(const QString& folder, const QDate& day, int lines, int seed, const QStringList& more = {}) {
        QProcess generator;
        generator.start(QStringLiteral(VARNEL_GENERATE_LOGS_EXE),
                        QStringList{QStringLiteral("--out"), folder, QStringLiteral("--date"),
                                    day.toString(Qt::ISODate), QStringLiteral("--lines"), QString::number(lines),
                                    QStringLiteral("--seed"), QString::number(seed)} +
                            more);
        ASSERT_TRUE(generator.waitForFinished(60000));
        ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    }

    static void rewrite(const QString& path, const std::function<void(std::vector<std::string>&)>& change) {
        std::vector<std::string> lines = linesOf(path);
        change(lines);
        writeLines(path, lines);
    }

    // Four days: six ports for a busy day, so that none is free at times;
    // the identifiers of every outbound clear in lower case on the next,
    // which comes in two files and clears a message of the evening before;
    // an empty log; an ordinary day.
    void SetUp() override {
        const QString folder = logs.path();
        generate(folder, tooFewPorts, 6000, 11, {QStringLiteral("--ports"), QStringLiteral("6")});
        rewrite(logs.file("CallLog_20040510.log"), [](std::vector<std::string>& lines) {
            lines.push_back("5/10/2004 20:00:00,NEW OUTGOING MESSAGE,1,2,{Cross-Midnight},OK,5000,1,5000");
        });
        generate(folder, mixedCase, 4000, 12, {QStringLiteral("--files"), QStringLiteral("2")});
        for (const QString& name : logsOfDay(folder, mixedCase))
            rewrite(logs.file(name), [](std::vector<std::string>& lines) {
                for (std::string& line : lines) {
                    std::vector<std::string> f = fieldsOf(line);
                    if (f[1] != "CLEARED OUTGOING MESSAGE") continue;
                    line = f[0] + "," + f[1] + "," + f[2] + "," + f[3] + "," + lower(f[4]);
                    for (std::size_t i = 5; i < f.size(); ++i) line += "," + f[i];
                }
            });
        rewrite(logs.file("CallLog_20040511.log"), [](std::vector<std::string>& lines) {
            lines.insert(lines.begin(), "5/11/2004 0:00:07,CLEARED OUTGOING MESSAGE,1,2,{cROSS-mIDNIGHT},OK,5000,0,0");
        });
        logs.write(QStringLiteral("CallLog_20040512.log"), "");
        generate(folder, ordinary, 3000, 13);
    }

    struct Gathered {
        ingest::LoadResult result;
        trend::DailyTrend days;
    };

    // Through a list of watchers, as the programs gather.
    Gathered load(const QList<QDate>& days) {
        trend::DailyTrendGatherer gatherer;
        store::RowWatchers watchers;
        watchers.add(&gatherer);
        Gathered gathered;
        gathered.result = ingest::loadDays({logs.path(), days, QString(), &watchers}, files, state, observer);
        gathered.days = gatherer.finish();
        return gathered;
    }

    const QList<QDate> allDays{tooFewPorts, mixedCase, withoutEvents, ordinary};
};

TEST_F(DailyTrendGathering, FiguresAgreeWithAnIndependentCountOfTheLines) {
    const Gathered gathered = load(allDays);
    ASSERT_EQ(gathered.result.outcome, ingest::LoadOutcome::Loaded);
    EXPECT_EQ(textsOf(gathered.days), textsOf(countIndependently(logs.path(), allDays)));

    // The edges the logs were made for did happen.
    ASSERT_EQ(gathered.days.size(), 4u);
    EXPECT_EQ(gathered.days[0].fewestPortsFree, 0);
    EXPECT_GT(gathered.days[0].minutesWithoutFreePort, 0);
    EXPECT_GT(gathered.days[0].outboundNdns + gathered.days[1].outboundNdns, 0);
    ASSERT_TRUE(gathered.days[1].outboundQueue);
    EXPECT_EQ(gathered.days[1].outboundQueue->longest, acrossMidnight);
    DayFigures nothing;
    nothing.day = withoutEvents;
    EXPECT_EQ(textOf(gathered.days[2]), textOf(nothing));
    EXPECT_TRUE(gathered.days[3].outboundQueue);
}

TEST_F(DailyTrendGathering, EachDayCountsAsLoadDataOfThatDayAlone) {
    const Gathered all = load(allDays);
    ASSERT_EQ(all.days.size(), 4u);
    for (int d = 0; d < allDays.size(); ++d) {
        SCOPED_TRACE(allDays[d].toString(Qt::ISODate).toStdString());
        const Gathered alone = load({allDays[d]});
        ASSERT_EQ(alone.days.size(), 1u);
        const ingest::LoadCounters& counters = alone.result.counters;
        for (const DayFigures& figures : {alone.days[0], all.days[static_cast<std::size_t>(d)]}) {
            EXPECT_EQ(figures.inboundCalls, counters.inboundCalls);
            EXPECT_EQ(figures.outboundCalls, counters.outboundCalls);
            EXPECT_EQ(figures.inboundMessages, counters.inboundMessagesDelivered);
            EXPECT_EQ(figures.outboundMessages, counters.outboundMessagesDelivered);
            EXPECT_EQ(figures.inboundNdns, counters.inboundNdns);
            EXPECT_EQ(figures.outboundNdns, counters.outboundNdns);
        }
        EXPECT_EQ(textOf(alone.days[0]), textOf(countIndependently(logs.path(), {allDays[d]})[0]));
    }
    // Alone, the clear after midnight finds no message waiting.
    const Gathered alone = load({mixedCase});
    ASSERT_TRUE(alone.days[0].outboundQueue);
    EXPECT_LT(alone.days[0].outboundQueue->longest, acrossMidnight);
}

TEST_F(DailyTrendGathering, AMessageWaitsIntoTheNextCalendarDayOnly) {
    logs.write(QStringLiteral("CallLog_20040514.log"),
               "5/14/2004 23:00:00,NEW OUTGOING MESSAGE,1,2,{Q},OK,10,1,10\r\n"
               "5/14/2004 23:00:01,INCOMING,1,5,1\r\n");
    logs.write(QStringLiteral("CallLog_20040516.log"),
               "5/16/2004 0:00:10,CLEARED OUTGOING MESSAGE,1,2,{Q},OK,10,0,0\r\n");
    const Gathered gapped = load({QDate(2004, 5, 14), QDate(2004, 5, 16)});
    ASSERT_EQ(gapped.days.size(), 2u);
    EXPECT_FALSE(gapped.days[1].outboundQueue);
    EXPECT_EQ(textsOf(gapped.days), textsOf(countIndependently(logs.path(), {QDate(2004, 5, 14), QDate(2004, 5, 16)})));

    logs.write(QStringLiteral("CallLog_20040515.log"),
               "5/15/2004 0:00:10,CLEARED OUTGOING MESSAGE,1,2,{q},OK,10,0,0\r\n");
    const Gathered next = load({QDate(2004, 5, 14), QDate(2004, 5, 15)});
    ASSERT_TRUE(next.days[1].outboundQueue);
    EXPECT_EQ(next.days[1].outboundQueue->median, 3610);
}

}  // namespace
