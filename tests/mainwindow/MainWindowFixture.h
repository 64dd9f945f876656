// Opens the real main window offscreen over temporary settings, data and
// log folders, with recorders in place of boxes, dialogs and the exit.
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "mainwindow/MainWindow.h"
#include "session/AppSession.h"
#include "windowkit/RecordingDialogs.h"

namespace varnel::app::test {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window and runs its start-up; addServices may fill in more
    // of the window's services.
    MainWindow& open(const RunOptions& options = {}, ReportLauncher* launcher = nullptr,
                     const std::function<void(MainWindowServices&)>& addServices = {});

    template <typename Control>
    Control* control(const char* name) const {
        auto* found = window_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Writes a log file of the given lines into the logs folder.
    void writeLog(const QString& fileName, const QStringList& lines) const;
    // Lines of a small day: one call and one message between two nodes.
    static QStringList dayLines(const QString& date, const QString& veyra, const QString& keldan);

    void storeLogFolderSetting(const QString& folder) const;
    QString storedLogFolderSetting() const;

    // Selects the day entries at the given rows of listReportDate only.
    void selectDays(std::initializer_list<int> rows) const;
    // Clicks Load Data and waits until the load's outcome is handled.
    void loadData() const;
    // The texts of a list's rows, in order.
    static QStringList entries(const QAbstractItemView& list);
    // Adds the row to the list's selection, as a click on it does.
    static void selectRow(QAbstractItemView& list, int row);

    QTemporaryDir settings_;
    QTemporaryDir data_;
    QTemporaryDir logs_;
    RecordingDialogs dialogs_;
    int exits_ = 0;
    std::function<void(QWidget&)> showAbout_;  // the About command the window is given
    std::unique_ptr<AppSession> session_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace varnel::app::test
