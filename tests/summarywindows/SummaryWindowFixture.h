// Opens summary windows offscreen over a working database loaded from a
// fixture's logs, with recorders in place of boxes and dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QTime>
#include <memory>

#include "TestFiles.h"
#include "ingest/IngestState.h"
#include "reports/ReportInputs.h"
#include "store/DataFiles.h"
#include "summarywindows/SummaryWindow.h"
#include "windowkit/RecordingDialogs.h"

namespace varnel::summarywindows::test {

class SummaryWindowFixture : public ::testing::Test {
protected:
    // Loads tests/fixtures/<fixture>/logs into a fresh working database.
    void loadFixture(const QString& fixture);
    // Builds the report's derived table over the time range, all nodes.
    void buildReport(reports::ReportKind kind, QTime from = QTime(0, 0, 0), QTime to = QTime(23, 59, 59));
    // Opens the summary window of the report built last.
    SummaryWindow& open();

    template <typename Control>
    Control* control(const char* name) const {
        auto* found = window_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Chooses the path in the save dialog, triggers the save item and
    // returns the file's content.
    QByteArray saveAs(const QString& path, const char* saveItem);
    static QByteArray contentOf(const QString& path);
    static QByteArray expectedFile(const QString& fixture, const QString& name);

    // The grid's data rows as the CSV writes them: trimmed cells of the keys.
    QStringList gridLines(const QStringList& keys) const;

    varnel::test::TempFolder data_;
    varnel::test::TempFolder out_;
    QString fixture_;
    ingest::IngestState state_;
    reports::ReportInputs inputs_;
    app::test::RecordingDialogs dialogs_;
    std::unique_ptr<SummaryWindow> window_;
};

}  // namespace varnel::summarywindows::test
