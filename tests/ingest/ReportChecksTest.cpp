#include "ingest/ReportChecks.h"

#include "shell/StringTable.h"

#include <gtest/gtest.h>

namespace varnel::ingest {
namespace {

QString problemText(const NodeFilter& filter) {
    const auto problem = reportLaunchProblem(filter);
    return problem ? problem->text : QString();
}

TEST(ReportChecks, WholeDayWithoutNodeLimitMayOpen) {
    EXPECT_EQ(problemText(NodeFilter{}), QString());
}

TEST(ReportChecks, StartMustBeEarlierThanEnd) {
    const QString timeMessage = shell::myLoadResString(118);
    EXPECT_EQ(timeMessage, "Start time must be earlier than the end time...");
    EXPECT_EQ(problemText({QTime(10, 0, 0), QTime(10, 0, 0), false, {}, {}}), timeMessage);
    EXPECT_EQ(problemText({QTime(10, 0, 1), QTime(10, 0, 0), false, {}, {}}), timeMessage);
    EXPECT_EQ(problemText({QTime(9, 59, 59), QTime(10, 0, 0), false, {}, {}}), QString());
}

TEST(ReportChecks, LimitedNodesNeedOneOnEachSide) {
    const QString nodeMessage = shell::myLoadResString(129);
    EXPECT_EQ(nodeMessage, "You must select at least one Keldan and one Veyra node");
    NodeFilter filter;
    filter.limitNodes = true;
    filter.keldanNodes = {"2001", "2002"};
    EXPECT_EQ(problemText(filter), nodeMessage);
    filter.keldanNodes.clear();
    filter.veyraNodes = {"1001"};
    EXPECT_EQ(problemText(filter), nodeMessage);
    filter.keldanNodes = {"2001"};
    EXPECT_EQ(problemText(filter), QString());
    // Nodes do not matter while the limit is off.
    filter.limitNodes = false;
    filter.veyraNodes.clear();
    EXPECT_EQ(problemText(filter), QString());
}

TEST(ReportChecks, TimeIsCheckedBeforeNodes) {
    NodeFilter filter{QTime(12, 0, 0), QTime(8, 0, 0), true, {}, {}};
    EXPECT_EQ(problemText(filter), shell::myLoadResString(118));
}

}  // namespace
}  // namespace varnel::ingest
