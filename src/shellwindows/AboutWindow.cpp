#include "shellwindows/AboutWindow.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/Localize.h"
#include "shell/ProgramVersion.h"
#include "shell/StringTable.h"
#include "shellwindows/LocalizeFont.h"

namespace varnel::shellwindows {

namespace {

using shell::myLoadResString;

constexpr int logoSize = 64;
constexpr int makerMarkSize = 48;
// The maker's mark, built into the program.
constexpr const char* makerMarkFile = ":/about/maker-mark.svg";
constexpr int textColumnWidth = 400;

// The maker and legal lines, in the order they are shown.
struct LegalLine {
    const char* name;
    int stringId;
};
constexpr LegalLine legalLines[] = {
    {"lblDescription", 127}, {"lblCompany", 95}, {"lblCopyright", 11}, {"lblLicense", 12}, {"lblWarranty", 123},
};

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A picture drawn at the size it is shown, so that it stays sharp.
QPixmap pictureAt(const QString& file, int size) {
    QImageReader reader(file);
    reader.setScaledSize(QSize(size, size));
    return QPixmap::fromImage(reader.read());
}

QLabel* pictureLabel(QWidget* parent, const char* name, const QPixmap& picture, int size) {
    auto* label = named(new QLabel(parent), name);
    label->setPixmap(picture);
    label->setFixedSize(size, size);
    return label;
}

QLabel* wrappedLabel(QWidget* parent, const char* name) {
    auto* label = named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setMinimumWidth(textColumnWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(AboutWindowServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("frmAbout"));
    buildControls();
    localize();
    const shell::LanguageSetup setup = shell::InitalizeLanguages(services_.dataFolder);
    if (!setup.failure.isEmpty()) services_.messages.show({setup.failure});
    fillLanguageMenu(setup.languageList);
    LocalizeAllWindowFonts();
}

void AboutWindow::buildControls() {
    // The product's logo above the maker's.
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(pictureLabel(this, "picLogo", QApplication::windowIcon().pixmap(logoSize, logoSize), logoSize),
                        0, Qt::AlignHCenter);
    pictures->addSpacing(12);
    pictures->addWidget(
        pictureLabel(this, "picMakerLogo", pictureAt(QString::fromLatin1(makerMarkFile), makerMarkSize), makerMarkSize),
        0, Qt::AlignHCenter);
    pictures->addStretch();

    auto* title = named(new QLabel(this), "lblTitle");
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(named(new QLabel(this), "lblVersionTitle"));
    versionRow->addWidget(named(new QLabel(this), "lblVersion"));
    versionRow->addStretch();

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addLayout(versionRow);
    text->addSpacing(8);
    for (const LegalLine& line : legalLines) text->addWidget(wrappedLabel(this, line.name));

    auto* top = new QHBoxLayout;
    top->addLayout(pictures);
    top->addSpacing(12);
    top->addLayout(text, 1);

    lblChangeLanguage_ = named(new QLabel(this), "lblChangeLanguage");
    lblChangeLanguage_->setTextFormat(Qt::RichText);
    lblChangeLanguage_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblChangeLanguage_->setFocusPolicy(Qt::StrongFocus);
    connect(lblChangeLanguage_, &QLabel::linkActivated, this, &AboutWindow::openLanguageMenu);

    mnuSelectLanguage_ = named(new QMenu(this), "mnuSelectLanguage");
    named(mnuSelectLanguage_->addAction(QStringLiteral("LanguageList")), "mnuLanguageList");

    auto* cmdOK = named(new QPushButton(this), "cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::hide);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblChangeLanguage_);
    bottom->addStretch();
    bottom->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(bottom);
    // As tall as its texts need at the width of the text column, in any
    // language.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::localize() {
    setWindowTitle(myLoadResString(7));
    // The pictures are named for assistive technology by what they stand for.
    findChild<QLabel*>(QStringLiteral("picLogo"))->setAccessibleName(myLoadResString(7));
    findChild<QLabel*>(QStringLiteral("picMakerLogo"))->setAccessibleName(myLoadResString(95));
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(myLoadResString(7));
    findChild<QLabel*>(QStringLiteral("lblVersionTitle"))->setText(myLoadResString(128));
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(shell::versionText(shell::programVersion()));
    for (const LegalLine& line : legalLines)
        findChild<QLabel*>(QString::fromLatin1(line.name))->setText(myLoadResString(line.stringId));
    const QString changeLanguage = myLoadResString(10);
    lblChangeLanguage_->setText(QStringLiteral("<a href=\"#language\">%1</a>").arg(changeLanguage.toHtmlEscaped()));
    lblChangeLanguage_->setAccessibleName(changeLanguage);
    findChild<QPushButton*>(QStringLiteral("cmdOK"))->setText(myLoadResString(77));
    mnuSelectLanguage_->setTitle(myLoadResString(101));
}

void AboutWindow::fillLanguageMenu(const QStringList& languages) {
    const QList<QAction*> items = mnuSelectLanguage_->actions();
    QAction* first = items.first();
    if (languages.size() == 1 && languages.first().isEmpty()) {
        first->setText(myLoadResString(65));
        first->setData(QStringLiteral("1033"));
    } else {
        const QStringList captions = shell::languageMenuCaptions(languages);
        for (qsizetype i = 0; i < languages.size(); ++i) {
            QAction* item = i == 0 ? first : named(mnuSelectLanguage_->addAction(QString()), "mnuLanguageList");
            item->setText(captions[i]);
            item->setData(QString::number(shell::GetLanguageID(languages[i])));
        }
    }
    for (QAction* item : mnuSelectLanguage_->actions())
        connect(item, &QAction::triggered, this, [this, item] { chooseLanguage(item->data().toString().toInt()); });
}

void AboutWindow::openLanguageMenu() {
    mnuSelectLanguage_->popup(lblChangeLanguage_->mapToGlobal(lblChangeLanguage_->rect().bottomLeft()));
}

void AboutWindow::chooseLanguage(int langId) {
    setCursor(Qt::WaitCursor);
    shell::setCurrentLanguage(langId);
    const shell::LanguageSetup setup = shell::InitalizeLanguages(services_.dataFolder);
    LocalizeAllWindowFonts();
    unsetCursor();
    if (!setup.failure.isEmpty()) services_.messages.show({setup.failure});
}

}  // namespace varnel::shellwindows
