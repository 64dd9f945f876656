#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/WholeFileWriter.h"

namespace varnel::platform {
namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(WholeFileWriter, ReplacesTheFileOnlyWhenTheWholeContentWasWritten) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.csv"));
    ASSERT_FALSE(writeWholeFile(path, [](QIODevice& out) { return out.write("first\r\n") == 7; }));
    EXPECT_EQ(contentOf(path), "first\r\n");

    const auto failure = writeWholeFile(path, [](QIODevice& out) {
        out.write("half a ro");
        return false;
    });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, path);
    EXPECT_TRUE(failure->text().startsWith(QStringLiteral("Unable to write ") + path));
    // The earlier file is intact and no temporary file is left behind.
    EXPECT_EQ(contentOf(path), "first\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.csv")});
}

TEST(WholeFileWriter, NamesTheSystemReasonForAFolderThatDoesNotExist) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gone/out.png"));
    const auto failure = writeWholeFile(path, [](QIODevice& out) { return out.write("x") == 1; });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, QStringLiteral("No such file or directory"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(WholeFileWriter, NewFilesAreReadableByOthers) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.bmp"));
    ASSERT_FALSE(writeWholeFile(path, [](QIODevice& out) { return out.write("BM") == 2; }));
    EXPECT_TRUE(QFile::permissions(path) & QFile::ReadOther);
}

}  // namespace
}  // namespace varnel::platform
