// The window side of the report catalogue matches the core one: the same
// reports in the same order, a tab with time pickers and node lists exactly
// for the reports that take them, a window that shows every series the
// report's chart has, and object names of their own.
#include <gtest/gtest.h>

#include <QSet>

#include "catalogue/ReportRecipe.h"
#include "render/ReportViewCatalogue.h"

namespace {

using namespace varnel;

TEST(ReportViewCatalogueTest, EveryReportHasItsViewsInTheCataloguesOrder) {
    const auto reports = catalogue::reportCatalogue();
    const auto views = render::reportViewCatalogue();
    ASSERT_EQ(views.size(), reports.size());
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(views[i].kind, reports[i].kind) << i;
        EXPECT_EQ(&render::reportViews(reports[i].kind), &views[i]) << i;
    }
}

TEST(ReportViewCatalogueTest, ATabHasTimesAndNodeListsExactlyWhenItsReportTakesThem) {
    for (const render::ReportViewEntry& views : render::reportViewCatalogue()) {
        const catalogue::ReportEntry& entry = catalogue::reportEntry(views.kind);
        SCOPED_TRACE(entry.commandLineName);
        EXPECT_EQ(views.tab.range.has_value(), entry.takesRange());
        EXPECT_NE(views.tab.axis.has_value(), entry.takesRange());
        EXPECT_NE(views.tab.captionId >= 0, views.tab.fixedCaption != nullptr);
    }
}

TEST(ReportViewCatalogueTest, AWindowHasARuleForEverySeriesOfItsChart) {
    for (const render::ReportViewEntry& views : render::reportViewCatalogue()) {
        SCOPED_TRACE(catalogue::reportEntry(views.kind).commandLineName);
        reports::ReportInputs inputs;
        inputs.kind = views.kind;
        const reports::ReportChart chart = catalogue::reportChart({views.kind, {}}, inputs);
        EXPECT_EQ(views.window.series.size(), static_cast<std::size_t>(chart.series.size()));
    }
}

TEST(ReportViewCatalogueTest, WindowsAndTabControlsHaveNamesOfTheirOwn) {
    QSet<QString> windows;
    QSet<QString> tabControls;
    for (const render::ReportViewEntry& views : render::reportViewCatalogue()) {
        for (const char* name : {views.window.windowName, views.summary.windowName}) {
            EXPECT_FALSE(windows.contains(QString::fromLatin1(name))) << name;
            windows << QString::fromLatin1(name);
        }
        for (const render::TabControl& control : views.tab.controls()) {
            EXPECT_FALSE(tabControls.contains(QString::fromLatin1(control.name))) << control.name;
            tabControls << QString::fromLatin1(control.name);
        }
    }
}

}  // namespace
