#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "session/DatabaseBackup.h"

namespace varnel::app {
namespace {

std::string fileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

class DatabaseBackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SQLite::Database db(fileName(source()), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("CREATE TABLE RawMessageData (MessageGUID TEXT)");
        db.exec("INSERT INTO RawMessageData VALUES ('a'), ('b'), ('c')");
    }
    QString source() const { return folder_.filePath("PortData.db"); }
    QString path(const char* name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
};

int64_t rowCount(const QString& path) {
    SQLite::Database db(fileName(path), SQLite::OPEN_READONLY);
    return db.execAndGet("SELECT COUNT(*) FROM RawMessageData").getInt64();
}

TEST_F(DatabaseBackupTest, CopyHoldsTheRowsOfTheSource) {
    backupDatabase(source(), path("saved.db"));
    EXPECT_EQ(rowCount(path("saved.db")), 3);
    EXPECT_FALSE(QFile::exists(path("saved.db.partial")));
}

TEST_F(DatabaseBackupTest, ReplacesAnExistingFileEvenWhenItIsNoDatabase) {
    QFile other(path("saved.db"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("plain text, not a database");
    other.close();
    backupDatabase(source(), path("saved.db"));
    EXPECT_EQ(rowCount(path("saved.db")), 3);
}

TEST_F(DatabaseBackupTest, FailuresSayWhyAndLeaveNoFile) {
    EXPECT_THROW(backupDatabase(path("missing.db"), path("saved.db")), BackupError);
    EXPECT_THROW(backupDatabase(source(), path("no such folder/saved.db")), BackupError);
    EXPECT_THROW(backupDatabase(source(), source()), BackupError);
    EXPECT_FALSE(QFile::exists(path("saved.db")));
    EXPECT_EQ(rowCount(source()), 3);
}

}  // namespace
}  // namespace varnel::app
