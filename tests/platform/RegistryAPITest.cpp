#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/RegistryAPI.h"
#include "settings/LogFolderSetting.h"

namespace varnel::platform {
namespace {

const QString key = QStringLiteral("Software\\Dravon\\Varnel Reports");
constexpr RegistryRoot root = QSettings::UserScope;

// Every test keeps its settings in a folder of its own.
class RegistryApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    QString settingsFile() const {
        return QSettings(QSettings::NativeFormat, root, "Dravon", "Varnel Reports").fileName();
    }

    QTemporaryDir folder_;
};

TEST_F(RegistryApiTest, KeyIsCreatedOnceAndThenExists) {
    EXPECT_FALSE(KeyExists(root, key));
    EXPECT_FALSE(CreateKey(root, key));
    EXPECT_TRUE(KeyExists(root, key));
    EXPECT_TRUE(settingsFile().startsWith(folder_.path()));
    EXPECT_TRUE(CreateKey(root, key));
}

TEST_F(RegistryApiTest, KeyThatCannotBeCreatedRaisesError1001) {
    EXPECT_EQ(RegistryError::number, 1001);
    try {
        CreateKey(root, QStringLiteral("Dravon"));
        FAIL() << "no error raised";
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Unable to create the registry key");
    }
    // The settings folder is a file: nothing can be created below it.
    QFile blocker(folder_.filePath("Dravon"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(CreateKey(root, key), RegistryError);
}

TEST_F(RegistryApiTest, ValuesOfTheThreeKindsRoundTrip) {
    CreateKey(root, key);
    SetValue(root, key, "Log Path", 1, QStringLiteral("/var/log/varnel gateway"));
    SetValue(root, key, "Blob", 3, QByteArray("\x01\x00\xff", 3));
    SetValue(root, key, "Count", 4, -42);

    EXPECT_EQ(QueryValue(root, key, "Log Path", 1, QString()).toString(), "/var/log/varnel gateway");
    EXPECT_EQ(QueryValue(root, key, "Blob", 3, QByteArray()).toByteArray(), QByteArray("\x01\x00\xff", 3));
    EXPECT_EQ(QueryValue(root, key, "Count", 4, 0).toInt(), -42);
}

TEST_F(RegistryApiTest, MissingKeyOrValueGivesTheDefault) {
    EXPECT_EQ(QueryValue(root, key, "Log Path", 1, QStringLiteral("none")).toString(), "none");
    CreateKey(root, key);
    EXPECT_EQ(QueryValue(root, key, "Log Path", 1, QStringLiteral("none")).toString(), "none");
    SetValue(root, key, "Word", 1, QStringLiteral("not a number"));
    EXPECT_EQ(QueryValue(root, key, "Word", 4, 7).toInt(), 7);
}

TEST_F(RegistryApiTest, UnsupportedKindRaisesAndStoresNothing) {
    CreateKey(root, key);
    try {
        QueryValue(root, key, "Log Path", 2, QString());
        FAIL() << "no error raised";
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Unsupported value type");
    }
    SetValue(root, key, "Other", 7, QStringLiteral("x"));
    EXPECT_FALSE(QSettings(settingsFile(), QSettings::NativeFormat).contains("Other"));
}

TEST_F(RegistryApiTest, SetValueWithoutKeyStoresNothingAndSaysNothing) {
    SetValue(root, key, "Log Path", 1, QStringLiteral("/logs"));
    EXPECT_FALSE(KeyExists(root, key));
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}

TEST_F(RegistryApiTest, LongTextIsCutToItsBuffer) {
    CreateKey(root, key);
    SetValue(root, key, "Log Path", 1, QString(2000, QLatin1Char('a')));
    EXPECT_EQ(QueryValue(root, key, "Log Path", 1, QString()).toString().size(), 1023);
}

TEST_F(RegistryApiTest, StoredLogFolderIsReadBackUnchanged) {
    EXPECT_EQ(settings::readStoredLogFolder(), QString());  // first start: key created, no folder
    EXPECT_TRUE(KeyExists(root, key));
    const QString folder = QStringLiteral("/srv/logs/Varnel, day logs/");
    settings::storeLogFolder(folder);
    EXPECT_EQ(settings::readStoredLogFolder(), folder);
    EXPECT_EQ(QSettings(settingsFile(), QSettings::NativeFormat).value("Log Path").toString(), folder);
}

}  // namespace
}  // namespace varnel::platform
