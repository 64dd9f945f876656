// Message boxes and file dialogs open over the window in front: the report,
// summary or About window the user works in while one is open, the main
// window otherwise.
#include <QPushButton>

#include "app/MainWindowFixture.h"
#include "app/ProgressPanel.h"
#include "app/RecordingLauncher.h"
#include "platform/WidgetDialogs.h"
#include "reportwindows/PrinterChooser.h"
#include "reportwindows/ReportWindow.h"
#include "shellwindows/AboutWindow.h"
#include "summarywindows/SummaryWindow.h"

namespace varnel::app::test {
namespace {

class NoPrinter : public reportwindows::PrinterChooser {
public:
    bool choosePrinter(QPrinter&, QWidget*) override { return false; }
};

using DialogsInFront = MainWindowFixture;

TEST_F(DialogsInFront, BoxesOpenOverTheModalWindowOnTopElseOverTheMainWindow) {
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001"));
    RecordingLauncher launcher;
    RunOptions options;
    options.logFolder = logs_.path();
    MainWindow& main = open(options, &launcher);
    selectDays({0});
    loadData();
    control<QPushButton>("cmdNodeTraffic")->click();
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(platform::frontWindow(&main), &main);

    NoPrinter printers;
    ProgressPanel progress;
    reportwindows::ReportWindow report(reportwindows::reportWindowDesign(launcher.opened[0].kind), launcher.opened[0],
                                       {dialogs_, printers, {}, {}, {}}, &main);
    // The report's own messages come while it loads, before it shows.
    report.load(progress);
    EXPECT_EQ(platform::frontWindow(&main), &main);
    report.open();
    EXPECT_EQ(platform::frontWindow(&main), &report);

    summarywindows::SummaryWindow summary(launcher.opened[0], {dialogs_, {}, {}}, &report);
    summary.formLoad();
    summary.open();
    EXPECT_EQ(platform::frontWindow(&main), &summary);

    shellwindows::AboutWindow about({dialogs_, QString()}, &summary);
    about.open();
    EXPECT_EQ(platform::frontWindow(&main), &about);

    about.hide();
    EXPECT_EQ(platform::frontWindow(&main), &summary);
    summary.close();
    EXPECT_EQ(platform::frontWindow(&main), &report);
    report.close();
    EXPECT_EQ(platform::frontWindow(&main), &main);
}

}  // namespace
}  // namespace varnel::app::test
