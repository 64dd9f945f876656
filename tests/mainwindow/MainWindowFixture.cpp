#include "mainwindow/MainWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "settings/LogFolderSetting.h"

namespace varnel::app::test {

void MainWindowFixture::SetUp() {
    ASSERT_TRUE(settings_.isValid() && data_.isValid() && logs_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void MainWindowFixture::TearDown() {
    window_.reset();
    session_.reset();
}

MainWindow& MainWindowFixture::open(const RunOptions& options, ReportLauncher* launcher,
                                    const std::function<void(MainWindowServices&)>& addServices) {
    session_ = std::make_unique<AppSession>(store::DataFiles(data_.path()), options.debug);
    MainWindowServices services{dialogs_, [this] { ++exits_; }, launcher, nullptr, showAbout_};
    if (addServices) addServices(services);
    window_ = std::make_unique<MainWindow>(*session_, std::move(services));
    window_->formLoad(options);
    window_->show();
    return *window_;
}

void MainWindowFixture::writeLog(const QString& fileName, const QStringList& lines) const {
    QFile file(QDir(logs_.path()).filePath(fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

QStringList MainWindowFixture::dayLines(const QString& date, const QString& veyra, const QString& keldan) {
    return {date + " 08:00:01,INCOMING,7,10,1",
            date + " 08:00:05,NEW OUTGOING MESSAGE," + veyra + "," + keldan + ",G1-" + date + ",OK,1.5,3,4.5",
            date + " 08:01:00,CLEARED OUTGOING MESSAGE," + veyra + "," + keldan + ",G1-" + date + ",NDN,1.5,2,3",
            date + " 08:05:00,DISCONNECT,7,11,0"};
}

void MainWindowFixture::storeLogFolderSetting(const QString& folder) const {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Dravon", "Varnel Reports").setValue("Log Path", folder);
}

QString MainWindowFixture::storedLogFolderSetting() const {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Dravon", "Varnel Reports")
        .value("Log Path")
        .toString();
}

void MainWindowFixture::selectDays(std::initializer_list<int> rows) const {
    auto* days = control<QListWidget>("listReportDate");
    days->clearSelection();
    for (int row : rows) days->item(row)->setSelected(true);
}

void MainWindowFixture::loadData() const {
    QSignalSpy ended(window_.get(), &MainWindow::loadEnded);
    QTest::mouseClick(control<QPushButton>("cmdParseLogs"), Qt::LeftButton);
    ASSERT_TRUE(ended.wait(20000)) << "the load did not end";
}

QStringList MainWindowFixture::entries(const QAbstractItemView& list) {
    QStringList texts;
    const QAbstractItemModel& model = *list.model();
    for (int row = 0; row < model.rowCount(); ++row) texts << model.index(row, 0).data().toString();
    return texts;
}

void MainWindowFixture::selectRow(QAbstractItemView& list, int row) {
    list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
}

}  // namespace varnel::app::test
