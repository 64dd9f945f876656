// The program's data folder: installed layout against the build tree.
#include <gtest/gtest.h>

#include <QDir>

#include "TestFiles.h"
#include "platform/DataFolder.h"

using varnel::platform::dataFolderFor;

TEST(DataFolder, InstalledProgramUsesShareBesideItsBinFolder) {
    varnel::test::TempFolder prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(prefix.path()).mkpath("share/varnel-traffic"));
    EXPECT_EQ(dataFolderFor(prefix.file("bin")), QDir::cleanPath(prefix.file("share/varnel-traffic")));
    // A trailing separator or a relative step in the program's folder changes nothing.
    EXPECT_EQ(dataFolderFor(prefix.file("bin/")), QDir::cleanPath(prefix.file("share/varnel-traffic")));
    EXPECT_EQ(dataFolderFor(prefix.file("share/../bin")), QDir::cleanPath(prefix.file("share/varnel-traffic")));
}

TEST(DataFolder, ProgramOutsideAnInstallUsesItsOwnFolder) {
    varnel::test::TempFolder build;
    ASSERT_TRUE(QDir(build.path()).mkpath("src/app"));
    EXPECT_EQ(dataFolderFor(build.file("src/app")), QDir::cleanPath(build.file("src/app")));
    // A file, not a folder, named like the data folder is not taken for it.
    ASSERT_TRUE(QDir(build.path()).mkpath("src/share"));
    build.write("src/share/varnel-traffic", "not a folder");
    EXPECT_EQ(dataFolderFor(build.file("src/app")), QDir::cleanPath(build.file("src/app")));
}
