// The real save dialog, driven offscreen as a user drives it: a name typed
// without an extension gets that of the chosen filter, and the dialog asks
// before it replaces an existing file of that name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "QtPrinting.h"
#include "windowkit/WidgetDialogs.h"

namespace varnel::platform {
namespace {

const QString chartFilters = QStringLiteral("BMP Files (*.BMP);;PNG Files (*.png);;PDF Files (*.pdf)");

// Plays the user's part: each step acts on the next modal window that comes
// to the front. A window still open once the steps are done is closed, so
// that no test waits for a person.
class UserScript {
public:
    explicit UserScript(std::vector<std::function<void(QWidget&)>> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(20);
    }
    bool done() const { return next_ == steps_.size(); }

private:
    void poll() {
        QWidget* front = QApplication::activeModalWidget();
        if (!front) return;
        if (front != last_ && next_ < steps_.size()) {
            last_ = front;
            idlePolls_ = 0;
            // Out of this poll: a step may open a modal window of its own,
            // and the timer does not fire again while its poll runs.
            QTimer::singleShot(0, front, [this, front] { steps_[next_++](*front); });
        } else if (++idlePolls_ > 250) {
            front->close();
        }
    }

    std::vector<std::function<void(QWidget&)>> steps_;
    std::size_t next_ = 0;
    QWidget* last_ = nullptr;
    int idlePolls_ = 0;
    QTimer timer_;
};

// In the file dialog: picks the filter at index by the keyboard, as a user
// does, types name unless it is empty, and presses Enter.
std::function<void(QWidget&)> chooseFile(int filterIndex, QString name) {
    return [filterIndex, name](QWidget& dialog) {
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(types && edit);
        while (types->currentIndex() < filterIndex) QTest::keyClick(types, Qt::Key_Down);
        if (!name.isEmpty()) edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

class WidgetDialogsTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return QDir(folder_.path()).filePath(name); }
    void create(const QString& name) {
        QFile existing(file(name));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("old");
    }

    QTemporaryDir folder_;
    WidgetDialogs dialogs_;
    QStringList questions_;
};

TEST_F(WidgetDialogsTest, ANameTypedWithoutExtensionTakesTheChosenFiltersBeforeTheReplaceQuestion) {
    create(QStringLiteral("chart.png"));
    const auto answer = [this](QMessageBox::StandardButton button) {
        return [this, button](QWidget& front) {
            auto* box = qobject_cast<QMessageBox*>(&front);
            ASSERT_NE(box, nullptr);
            questions_ << box->text();
            box->button(button)->click();
        };
    };
    // Declining the question leaves the dialog open; the user then cancels.
    {
        UserScript user({chooseFile(1, QStringLiteral("chart")), answer(QMessageBox::No),
                         [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }});
        EXPECT_EQ(dialogs_.chooseSaveFile(QStringLiteral("Save"), file(QStringLiteral("graph.BMP")), chartFilters),
                  std::nullopt);
        EXPECT_TRUE(user.done());
    }
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_TRUE(questions_.first().startsWith(QStringLiteral("chart.png already exists")))
        << questions_.first().toStdString();

    UserScript user({chooseFile(1, QStringLiteral("chart")), answer(QMessageBox::Yes)});
    const auto chosen =
        dialogs_.chooseSaveFile(QStringLiteral("Save"), file(QStringLiteral("graph.BMP")), chartFilters);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, file(QStringLiteral("chart.png")));
    EXPECT_EQ(chosen->filter, QStringLiteral("PNG Files (*.png)"));
    EXPECT_EQ(questions_.size(), 2);
}

TEST_F(WidgetDialogsTest, ChoosingAFilterGivesTheProposedNameItsExtension) {
    UserScript user({chooseFile(2, {})});
    const auto chosen =
        dialogs_.chooseSaveFile(QStringLiteral("Save"), file(QStringLiteral("graph.BMP")), chartFilters);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, file(QStringLiteral("graph.pdf")));
    EXPECT_EQ(chosen->filter, QStringLiteral("PDF Files (*.pdf)"));

    // Without filters there is no extension to give and none to report.
    UserScript plain({chooseFile(0, QStringLiteral("notes"))});
    const auto named = dialogs_.chooseSaveFile(QStringLiteral("Save"), file(QStringLiteral("a.csv")), QString());
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->path, file(QStringLiteral("notes")));
    EXPECT_EQ(named->filter, QString());
}

TEST(FilterSuffix, IsTheExtensionOfTheFiltersFirstPattern) {
    EXPECT_EQ(filterSuffix(QStringLiteral("BMP Files (*.BMP)")), QStringLiteral("BMP"));
    EXPECT_EQ(filterSuffix(QStringLiteral("HTML pages (*.html *.htm)")), QStringLiteral("html"));
    EXPECT_EQ(filterSuffix(QStringLiteral("*.db")), QStringLiteral("db"));
    EXPECT_EQ(filterSuffix(QStringLiteral("All files (*)")), QString());
    EXPECT_EQ(filterSuffix(QString()), QString());
}

}  // namespace
}  // namespace varnel::platform
