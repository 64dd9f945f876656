#include <gtest/gtest.h>

#include "session/RunOptions.h"

namespace varnel::app {
namespace {

TEST(RunOptions, FoldersAreTakenFromTheirOptions) {
    const RunOptions options =
        parseRunOptions({"varnel-traffic", "--logs", "/srv/logs", "--data-dir", "/tmp/varnel data"});
    EXPECT_EQ(options.logFolder, "/srv/logs");
    EXPECT_EQ(options.dataFolder, "/tmp/varnel data");
    EXPECT_FALSE(options.debug);
}

TEST(RunOptions, DebugInAnyCaseAnywhereTurnsOnTheDiagnosticFile) {
    EXPECT_TRUE(parseRunOptions({"varnel-traffic", "DeBuG"}).debug);
    EXPECT_TRUE(parseRunOptions({"varnel-traffic", "--logs", "/srv", "/debug"}).debug);
    EXPECT_TRUE(parseRunOptions({"varnel-traffic", "--debug"}).debug);
    EXPECT_FALSE(parseRunOptions({"varnel-traffic"}).debug);
}

TEST(RunOptions, FolderNamesNeverTurnOnDebug) {
    const RunOptions options = parseRunOptions({"varnel-traffic", "--logs", "/home/debug/logs", "--data-dir", "dbg"});
    EXPECT_FALSE(options.debug);
    EXPECT_EQ(options.logFolder, "/home/debug/logs");
}

TEST(RunOptions, OptionWithoutValueIsPassedOver) {
    const RunOptions options = parseRunOptions({"varnel-traffic", "--logs"});
    EXPECT_TRUE(options.logFolder.isEmpty());
}

}  // namespace
}  // namespace varnel::app
