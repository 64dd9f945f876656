#include <gtest/gtest.h>

#include "reports/LaunchChecks.h"
#include "shell/StringTable.h"

namespace varnel::reports {
namespace {

QString problemText(const RangeRequest& request) { return checkRangeRequest(request).value_or(QString()); }

RangeRequest range(QTime from, QTime to) {
    RangeRequest request;
    request.from = from;
    request.to = to;
    return request;
}

TEST(LaunchChecks, WholeDayWithoutNodeLimitMayOpen) { EXPECT_EQ(problemText(RangeRequest{}), QString()); }

TEST(LaunchChecks, StartMustBeEarlierThanEnd) {
    const QString timeMessage = shell::myLoadResString(118);
    EXPECT_EQ(timeMessage, "Start time must be earlier than the end time...");
    EXPECT_EQ(problemText(range(QTime(10, 0, 0), QTime(10, 0, 0))), timeMessage);
    EXPECT_EQ(problemText(range(QTime(10, 0, 1), QTime(10, 0, 0))), timeMessage);
    EXPECT_EQ(problemText(range(QTime(9, 59, 59), QTime(10, 0, 0))), QString());
}

TEST(LaunchChecks, LimitedNodesNeedOneOnEachSide) {
    const QString nodeMessage = shell::myLoadResString(129);
    EXPECT_EQ(nodeMessage, "You must select at least one Keldan and one Veyra node");
    RangeRequest request;
    NodeChoice& nodes = request.nodes;
    nodes.limitNodes = true;
    nodes.selectedKeldan = {"2001", "2002"};
    EXPECT_EQ(problemText(request), nodeMessage);
    nodes.selectedKeldan.clear();
    nodes.selectedVeyra = {"1001"};
    EXPECT_EQ(problemText(request), nodeMessage);
    nodes.selectedKeldan = {"2001"};
    EXPECT_EQ(problemText(request), QString());
    // Nodes do not matter while the limit is off.
    nodes.limitNodes = false;
    nodes.selectedVeyra.clear();
    EXPECT_EQ(problemText(request), QString());
}

TEST(LaunchChecks, TimeIsCheckedBeforeNodes) {
    RangeRequest request = range(QTime(12, 0, 0), QTime(8, 0, 0));
    request.nodes.limitNodes = true;
    EXPECT_EQ(problemText(request), shell::myLoadResString(118));
}

}  // namespace
}  // namespace varnel::reports
