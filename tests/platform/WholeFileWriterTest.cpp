#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "QtPrinting.h"
#include "SmallFileSystem.h"
#include "platform/WholeFileWriter.h"

namespace varnel::platform {
namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

// An earlier file whose content must survive every failed write.
QString writeEarlierFile(const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("out.csv"));
    EXPECT_FALSE(writeWholeFile(path, [](QIODevice& out) { return out.write("first\r\n") == 7; }));
    return path;
}

// Limits the size of every file this process writes, as a full disk does
// after a number of bytes; writes beyond it fail with "File too large".
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(WholeFileWriter, ReplacesTheFileOnlyWhenTheWholeContentWasWritten) {
    QTemporaryDir folder;
    const QString path = writeEarlierFile(folder.path());
    EXPECT_EQ(contentOf(path), "first\r\n");

    const auto failure = writeWholeFile(path, [](QIODevice& out) {
        out.write("half a ro");
        return false;
    });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, path);
    EXPECT_FALSE(failure->reason.isEmpty());
    // The earlier file is intact and no temporary file is left behind.
    EXPECT_EQ(contentOf(path), "first\r\n");
    EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("out.csv")});
}

TEST(WholeFileWriter, AWriteFailingAfterSomeBytesOrAtTheFinalFlushIsAFailure) {
    QTemporaryDir folder;
    const QString path = writeEarlierFile(folder.path());
    const QByteArray block(64 * 1024, 'x');
    {
        const FileSizeLimit limit(1000);
        // Large writes go straight to the file and fail part-way.
        const auto midWrite = writeWholeFile(path, [&](QIODevice& out) { return out.write(block) == block.size(); });
        // A small write waits in the device's buffer and fails only when it is flushed.
        const auto atFlush =
            writeWholeFile(path, [](QIODevice& out) { return out.write(QByteArray(1500, 'y')) == 1500; });
        ASSERT_TRUE(midWrite);
        ASSERT_TRUE(atFlush);
        EXPECT_EQ(midWrite->reason, QStringLiteral("File too large"));
        EXPECT_EQ(atFlush->reason, QStringLiteral("File too large"));
        // Within the limit the file is still written.
        EXPECT_FALSE(writeWholeFile(path, [](QIODevice& out) { return out.write("second\r\n") == 8; }));
    }
    EXPECT_EQ(contentOf(path), "second\r\n");
    EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("out.csv")});
}

TEST(WholeFileWriter, AFullDiskNamesItsReasonAndKeepsTheEarlierFile) {
    test::SmallFileSystem disk(32 * 1024);
    if (!disk.available()) GTEST_SKIP() << "a small file system can only be mounted as root";
    const QString path = writeEarlierFile(disk.path());
    const QByteArray block(16 * 1024, 'x');
    const auto failure = writeWholeFile(path, [&](QIODevice& out) {
        for (int i = 0; i < 8; ++i)
            if (out.write(block) != block.size()) return false;
        return true;
    });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, path);
    EXPECT_EQ(failure->reason, QStringLiteral("No space left on device"));
    EXPECT_EQ(contentOf(path), "first\r\n");
    EXPECT_EQ(filesIn(disk.path()), QStringList{QStringLiteral("out.csv")});
}

TEST(WholeFileWriter, AReadOnlyFolderNamesItsReason) {
    test::SmallFileSystem disk(32 * 1024, true);
    if (!disk.available()) GTEST_SKIP() << "a small file system can only be mounted as root";
    const auto failure =
        writeWholeFile(disk.file(QStringLiteral("out.csv")), [](QIODevice& out) { return out.write("x") == 1; });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, QStringLiteral("Read-only file system"));
}

TEST(WholeFileWriter, NamesTheSystemReasonForAFolderThatDoesNotExist) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gone/out.png"));
    const auto failure = writeWholeFile(path, [](QIODevice& out) { return out.write("x") == 1; });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, QStringLiteral("No such file or directory"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(WholeFileWriter, NewFilesAreReadableByOthersAndKeepTheModeOfTheFileReplaced) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.bmp"));
    ASSERT_FALSE(writeWholeFile(path, [](QIODevice& out) { return out.write("BM") == 2; }));
    EXPECT_TRUE(QFile::permissions(path) & QFile::ReadOther);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_FALSE(writeWholeFile(path, [](QIODevice& out) { return out.write("BM2") == 3; }));
    EXPECT_FALSE(QFile::permissions(path) & QFile::ReadOther);
}

TEST(WholeFileWriter, ContentWrittenByNameIsPutInPlaceOnlyWhenItsProducerSucceeds) {
    QTemporaryDir folder;
    const QString path = writeEarlierFile(folder.path());
    const auto failure = writeWholeFileByName(path, [](const QString& temporary) -> std::optional<QString> {
        QFile file(temporary);
        if (file.open(QIODevice::WriteOnly)) file.write("partial");
        return QStringLiteral("database or disk is full");
    });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, QStringLiteral("database or disk is full"));
    EXPECT_EQ(contentOf(path), "first\r\n");
    EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("out.csv")});

    ASSERT_FALSE(writeWholeFileByName(path, [](const QString& temporary) -> std::optional<QString> {
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly) || file.write("whole") != 5) return file.errorString();
        return std::nullopt;
    }));
    EXPECT_EQ(contentOf(path), "whole");
    EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("out.csv")});
}

}  // namespace
}  // namespace varnel::platform
