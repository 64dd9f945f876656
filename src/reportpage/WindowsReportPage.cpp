#include "reportpage/WindowsReportPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QThread>

#include "catalogue/ReportRecipe.h"
#include "render/ChartPageViews.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "shell/WriteFailureText.h"
#include "store/ReportDatabase.h"
#include "windowkit/ProgressPanel.h"
#include "windowkit/WaitCursor.h"

namespace varnel::reportpage {

namespace {

// The messages of one report's build, kept for its section of the page.
class KeptMessages : public platform::MessageSink {
public:
    void show(const platform::UserMessage& message) override { texts << message.text; }
    QStringList texts;
};

// Builds every report in a worker thread; the window system goes on painting
// meanwhile, while the user's clicks and keys wait. Returns the reason of a
// database failure, or nothing.
std::optional<QString> buildInBackground(const std::vector<reports::ReportInputs>& inputs,
                                         std::vector<catalogue::ReportPageReport>& built,
                                         app::ProgressPanel& progress) {
    std::optional<QString> failure;
    QThread* worker = QThread::create([&] {
        try {
            store::ReportDatabase db(inputs.front().connectionString);
            db.useFastRebuilds();
            for (const reports::ReportInputs& report : inputs) {
                KeptMessages messages;
                reports::BuiltReport rows = catalogue::buildReport(db, report, messages);
                built.push_back({report, std::move(rows), messages.texts});
                const auto done = static_cast<int64_t>(built.size());
                QMetaObject::invokeMethod(&progress, [&progress, done] { progress.setProgress(done); });
            }
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
    });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
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
