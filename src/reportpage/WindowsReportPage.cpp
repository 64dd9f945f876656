#include "reportpage/WindowsReportPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>

#include "catalogue/ReportRecipe.h"
#include "render/ChartPageViews.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "shell/WriteFailureText.h"
#include "store/ReportDatabase.h"
#include "windowkit/ProgressPanel.h"
#include "windowkit/WaitCursor.h"
#include "windowkit/WorkWhilePainting.h"

namespace varnel::reportpage {

namespace {

// Builds every report in a worker thread; the window system goes on painting
// meanwhile, while the user's clicks and keys wait. Returns the reason of a
// database failure, or nothing.
std::optional<QString> buildInBackground(const std::vector<reports::ReportInputs>& inputs,
                                         std::vector<catalogue::ReportPageReport>& built,
                                         app::ProgressPanel& progress) {
    std::optional<QString> failure;
    windowkit::runWhilePainting([&] {
        try {
            store::ReportDatabase db(inputs.front().connectionString);
            db.useFastRebuilds();
            for (const reports::ReportInputs& report : inputs) {
                built.push_back({report, catalogue::buildReport(db, report)});
                const auto done = static_cast<int64_t>(built.size());
                QMetaObject::invokeMethod(&progress, [&progress, done] { progress.setProgress(done); });
            }
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
    });
    return failure;
}

}  // namespace

std::optional<platform::UserMessage> WindowsReportPage::saveReportPage(
    const catalogue::ReportPageLoad& load, const std::vector<reports::ReportInputs>& reports, const QString& path,
    app::ProgressPanel& progress) {
    if (reports.empty()) return std::nullopt;
    const windowkit::WaitCursor wait;
    const auto count = static_cast<int64_t>(reports.size());
    progress.begin(shell::myLoadResString(13), count);
    std::vector<catalogue::ReportPageReport> built;
    if (const auto failure = buildInBackground(reports, built, progress)) {
        progress.end();
        return platform::UserMessage(
            shell::myLoadResString(shell::reportPageNotWrittenStringId).arg(QDir::toNativeSeparators(path), *failure),
            {}, platform::UserMessage::Icon::Critical);
    }

    progress.begin(QStringLiteral("Generating report, please wait..."), count);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const ChartPageViews views;
    const auto failure = catalogue::writeReportPage(path, load, built, views, [&progress](int done) {
        progress.setProgress(done);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    progress.end();
    if (failure)
        return platform::UserMessage(shell::writeFailureText(*failure), {}, platform::UserMessage::Icon::Critical);
    return std::nullopt;
}

}  // namespace varnel::reportpage
