// File names as bytes: every byte string comes back from its text form,
// valid UTF-8 reads as its characters, and what is shown replaces the rest.
#include <gtest/gtest.h>

#include <random>

#include "platform/FileNameBytes.h"

using namespace varnel::platform;

namespace {

QByteArray bytesOf(std::initializer_list<unsigned char> bytes) {
    QByteArray out;
    for (unsigned char b : bytes) out += static_cast<char>(b);
    return out;
}

}  // namespace

TEST(FileNameBytes, EveryByteStringComesBack) {
    // Sequences that are not well-formed UTF-8: a lone continuation byte, an
    // overlong NUL and slash, an encoded surrogate, a code point past
    // U+10FFFF, cut sequences, bytes that never occur in UTF-8.
    const QByteArray awkward[] = {
        bytesOf({0x80}),
        bytesOf({0xC0, 0x80}),
        bytesOf({0xC0, 0xAF}),
        bytesOf({0xED, 0xA0, 0x80}),
        bytesOf({0xED, 0xB2, 0x80}),
        bytesOf({0xF4, 0x90, 0x80, 0x80}),
        bytesOf({'a', 0xE2, 0x82}),
        bytesOf({0xE2, 0x82, 'b'}),
        bytesOf({0xF0, 0x9F, 0x98}),
        bytesOf({0xFE, 0xFF, 0xC1, 0xF5}),
    };
    for (const QByteArray& bytes : awkward) {
        const QString text = fileNameFromBytes(bytes);
        EXPECT_EQ(fileNameBytes(text), bytes) << bytes.toHex().toStdString();
        EXPECT_TRUE(shownText(text).contains(QChar(0xFFFD))) << bytes.toHex().toStdString();
    }

    std::mt19937 random(20040512);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) {
            // Mostly the bytes around the edges of UTF-8's ranges.
            static const unsigned char edges[] = {'a',  0x7F, 0x80, 0xBF, 0xC2, 0xDF, 0xE0, 0xED,
                                                  0xEF, 0xF0, 0xF4, 0x9F, 0xA0, 0x90, 0x8F, 0xFF};
            bytes += static_cast<char>(random() % 3 == 0 ? random() % 256 : edges[random() % std::size(edges)]);
        }
        ASSERT_EQ(fileNameBytes(fileNameFromBytes(bytes)), bytes) << bytes.toHex().toStdString();
    }
}

TEST(FileNameBytes, ValidUtf8ReadsAsItsCharacters) {
    const QByteArray valid = QByteArrayLiteral("CallLog_20040512_\xc3\xa9t\xc3\xa9_\xe2\x82\xac_\xf0\x9f\x98\x80.log");
    EXPECT_EQ(fileNameFromBytes(valid), QString::fromUtf8(valid));
    EXPECT_EQ(shownText(fileNameFromBytes(valid)), QString::fromUtf8(valid));
    // A byte order mark is part of a name, not dropped as a text's first
    // character would be.
    const QByteArray marked = QByteArrayLiteral("\xef\xbb\xbfname");
    EXPECT_EQ(fileNameFromBytes(marked), QString(QChar(0xFEFF)) + "name");
    EXPECT_EQ(fileNameBytes(fileNameFromBytes(marked)), marked);
}

TEST(FileNameBytes, ShownNamesReplaceOnlyTheUndecodableBytes) {
    const QString text = fileNameFromBytes(QByteArrayLiteral("CallLog_20040512_\xff\xc3\xa9.log"));
    EXPECT_EQ(shownText(text), QString::fromUtf8("CallLog_20040512_\xef\xbf\xbd\xc3\xa9.log"));
    EXPECT_EQ(shownText(text).toUtf8(), QByteArrayLiteral("CallLog_20040512_\xef\xbf\xbd\xc3\xa9.log"));
}

TEST(FileNameBytes, ArgumentsKeepTheirBytes) {
    const char* argv[] = {"varnel-report", "--logs", "/tmp/logs \xfe", "--day", "2004-05-12"};
    const QStringList arguments = commandLineArguments(5, argv);
    ASSERT_EQ(arguments.size(), 5);
    EXPECT_EQ(arguments[1], "--logs");
    EXPECT_EQ(fileNameBytes(arguments[2]), QByteArrayLiteral("/tmp/logs \xfe"));
    EXPECT_EQ(arguments[4], "2004-05-12");
}
