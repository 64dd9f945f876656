// Lines and their fields as the reader cuts them in one pass: odd bytes,
// commas and line ends at every place of a scanned word, lines that cross
// or outgrow the read buffer, and files whose last line has no end.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "ingest/LineFields.h"
#include "ingest/LogFileReader.h"

using namespace varnel;
using ingest::LineFields;

namespace {

struct CutLine {
    std::string line;
    std::vector<std::string> fields;  // the kept ones
    std::size_t count = 0;
    bool operator==(const CutLine&) const = default;
};

void PrintTo(const CutLine& c, std::ostream* os) { *os << '"' << c.line << "\" with " << c.count << " fields"; }

// The plain reading of the rules for one line (its end already taken off):
// it is cut at every comma.
CutLine cutOneLine(const std::string& line) {
    CutLine cut;
    cut.line = line;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = line.find(',', from);
        if (cut.count < LineFields::kept) cut.fields.push_back(line.substr(from, comma - from));
        ++cut.count;
        if (comma == std::string::npos) return cut;
        from = comma + 1;
    }
}

// And for a text: lines end at LF, CR LF or a lone CR; a last line may have
// no end.
std::vector<CutLine> cutPlainly(const std::string& text) {
    std::vector<CutLine> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t lineEnd = std::min(text.find_first_of("\r\n", at), text.size());
        lines.push_back(cutOneLine(text.substr(at, lineEnd - at)));
        at = lineEnd + 1;
        if (lineEnd < text.size() && text[lineEnd] == '\r' && at < text.size() && text[at] == '\n') ++at;
    }
    return lines;
}

CutLine cutOf(const LineFields& f) {
    CutLine cut{std::string(f.line()), {}, f.count()};
    for (std::size_t i = 0; i < std::min(f.count(), LineFields::kept); ++i) cut.fields.emplace_back(f[i]);
    return cut;
}

std::vector<CutLine> readAll(const QString& path, int64_t* counted = nullptr) {
    ingest::LogFileReader reader(path);
    EXPECT_EQ(reader.open(), ingest::LogFileReader::Opened::Yes);
    const int64_t lines = reader.countLines(1'000'000);
    if (counted) *counted = lines;
    std::vector<CutLine> cuts;
    std::string_view line;
    while (reader.nextLine(line)) {
        cuts.push_back(cutOf(reader.fields()));
        EXPECT_EQ(line, cuts.back().line);
    }
    EXPECT_FALSE(reader.cutShort());
    return cuts;
}

std::vector<std::string> fieldsOf(std::string_view text) { return cutOf(LineFields(text)).fields; }

}  // namespace

TEST(LineFields, EdgesOfTheLine) {
    EXPECT_EQ(fieldsOf(""), (std::vector<std::string>{""}));
    EXPECT_EQ(fieldsOf("a,b,"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(fieldsOf(",,,,"), (std::vector<std::string>(5, "")));
    EXPECT_EQ(LineFields(",,,,,,,,,,,,,,,,,,,,").count(), 21u);
    EXPECT_EQ(fieldsOf(",,,,,,,,,,,,,,,,,,,,"), (std::vector<std::string>(LineFields::kept, "")));
    // A CR ends the line wherever it stands, as an LF does.
    EXPECT_EQ(fieldsOf("a,b\rc,d"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(fieldsOf("a,\r"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(fieldsOf("\r\r"), (std::vector<std::string>{""}));
    // Only the first line of a text is cut.
    EXPECT_EQ(fieldsOf("a,b\r\nc,d"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(fieldsOf("a,b\nc,d"), (std::vector<std::string>{"a", "b"}));
}

TEST(LineFields, BytesNearTheCommaAndTheLineFeedAreOrdinary) {
    // Bytes that differ from ',', LF or CR in one bit, the high bit among
    // them, and NUL, at every place of an eight-byte word; the first field's
    // bytes follow the comma too.
    const std::string odd{"\x2d\xac\x8a\x8d\x0c\x2b\x0b\x09\x00\x80\xff", 11};
    for (std::size_t shift = 0; shift < 8; ++shift) {
        const std::string field = std::string(shift, 'x') + odd;
        const std::string line = field + "," + field;
        const LineFields f(line);
        ASSERT_EQ(f.count(), 2u) << shift;
        EXPECT_EQ(f[0], field);
        EXPECT_EQ(f[1], field);
    }
}

TEST(LineFields, FieldsOnEveryPlaceOfAWord) {
    // Commas and line ends at each of the eight places of a word, and lines
    // that end within a word or right at its end.
    for (std::size_t length = 0; length < 40; ++length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += i % 3 == 2 ? ',' : static_cast<char>('a' + i % 26);
        EXPECT_EQ(cutOf(LineFields(text + "\nrest,of,it")), cutOneLine(text)) << length;
        EXPECT_EQ(cutOf(LineFields(text + "\r\nrest")), cutOneLine(text)) << length;
        EXPECT_EQ(cutOf(LineFields(text + "\rrest,of,it")), cutOneLine(text)) << length;
        EXPECT_EQ(cutOf(LineFields(text)), cutOneLine(text)) << length;
    }
}

TEST(LogFileReader, LinesAndFieldsAsThePlainRulesCutThem) {
    // Random text of few kinds of bytes, so that commas, CRs, LFs and CR LFs
    // fall everywhere: at word edges, at the read buffer's edge, in lines much
    // longer than the buffer, and at the very end without a line end.
    std::mt19937 random(20040512);
    const std::string alphabet{",,,\n\r\r\0a-\x0b\xac\x8a\xff", 13};
    test::TempFolder folder;
    for (int round = 0; round < 6; ++round) {
        std::string text;
        const std::size_t size = round < 3 ? 300'000 : 1'000;
        while (text.size() < size) {
            // Now and then a run without a line end, longer than the buffer.
            const bool longRun = random() % 97 == 0;
            const std::size_t run = longRun ? 150'000 : random() % 40;
            for (std::size_t i = 0; i < run; ++i) {
                char c = alphabet[random() % alphabet.size()];
                if (longRun && (c == '\n' || c == '\r')) c = ',';
                text += c;
            }
            text += '\n';
        }
        if (round % 2 == 1) text.pop_back();  // no end on the last line
        if (round == 5) text += ",\r";        // and it ends in a comma and a CR
        int64_t counted = 0;
        const std::vector<CutLine> plain = cutPlainly(text);
        EXPECT_EQ(readAll(folder.write(QStringLiteral("CallLog_%1.log").arg(round), text), &counted), plain)
            << "round " << round;
        EXPECT_EQ(counted, static_cast<int64_t>(plain.size()));
    }
}

TEST(LogFileReader, EmptyLinesAndALastLineWithoutEnd) {
    test::TempFolder folder;
    const auto cuts = readAll(folder.write("CallLog_20040512.log", std::string_view("\n\r\n,\r\rlast,line,", 16)));
    ASSERT_EQ(cuts.size(), 5u);
    EXPECT_EQ(cuts[0], (CutLine{"", {""}, 1}));
    EXPECT_EQ(cuts[1], (CutLine{"", {""}, 1}));
    EXPECT_EQ(cuts[2], (CutLine{",", {"", ""}, 2}));
    EXPECT_EQ(cuts[3], (CutLine{"", {""}, 1}));
    EXPECT_EQ(cuts[4], (CutLine{"last,line,", {"last", "line", ""}, 3}));
}

TEST(LogFileReader, ACrLfAcrossTheReadBufferEndsOneLine) {
    // The CR is the last byte of the first read and its LF the first of the
    // next: one line end, in the count and in the lines alike. A lone CR at
    // the same place, and one that ends the file, are line ends of their own.
    test::TempFolder folder;
    const std::size_t chunk = 1 << 16;
    for (const char* after : {"\nnext", "next", ""}) {
        const std::string text = std::string(chunk - 1, 'x') + "\r" + after;
        int64_t counted = 0;
        const std::vector<CutLine> cuts = readAll(folder.write("CallLog_20040512.log", text), &counted);
        EXPECT_EQ(cuts, cutPlainly(text)) << after;
        EXPECT_EQ(counted, static_cast<int64_t>(cuts.size())) << after;
    }
}
