// Message boxes and file dialogs open over the window in front: the modal
// window on top (a report window, the summary opened from it, the About
// window over that), the main window while none is open.
#include <gtest/gtest.h>

#include <QDialog>
#include <QWidget>

#include "windowkit/WidgetDialogs.h"

namespace varnel::platform {
namespace {

TEST(WindowInFront, IsTheModalWindowOnTopElseTheMainWindow) {
    QWidget main;
    main.show();
    EXPECT_EQ(frontWindow(&main), &main);

    // A window made but not shown yet (a report window while it loads) is
    // not in front.
    QDialog report(&main);
    EXPECT_EQ(frontWindow(&main), &main);
    report.open();
    EXPECT_EQ(frontWindow(&main), &report);

    QDialog summary(&report);
    summary.open();
    EXPECT_EQ(frontWindow(&main), &summary);
    QDialog about(&summary);
    about.open();
    EXPECT_EQ(frontWindow(&main), &about);

    about.hide();
    EXPECT_EQ(frontWindow(&main), &summary);
    summary.close();
    EXPECT_EQ(frontWindow(&main), &report);
    report.close();
    EXPECT_EQ(frontWindow(&main), &main);
}

}  // namespace
}  // namespace varnel::platform
