#include "summarywindows/SummaryGridView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <set>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "windowkit/Twips.h"

namespace varnel::summarywindows {

namespace {

constexpr int fixedColumnMinimumTwips = 330;

}  // namespace

SummaryGridView::SummaryGridView(QWidget* parent) : QTableView(parent), model_(this) {
    setObjectName(QStringLiteral("gridSummary"));
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // Rows of one height: the view then never measures rows it does not show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    // No sort at first: the rows keep the grid's order until a header is clicked.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);

    auto* copy = new QAction(shell::myLoadResString(shell::copyStringId), this);
    copy->setObjectName(QStringLiteral("actionCopy"));
    connect(copy, &QAction::triggered, this, &SummaryGridView::copySelection);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void SummaryGridView::applyColumns() {
    const auto& columns = model_.columns();
    for (int column = 0; column < columns.size(); ++column) {
        setColumnHidden(column, columns[column].hidden);
        // The layout's width, widened where the header text would be cut.
        if (columns[column].widthTwips > 0)
            horizontalHeader()->resizeSection(
                column, std::max(platform::twipsToPixels(columns[column].widthTwips, logicalDpiX()),
                                 horizontalHeader()->sectionSizeHint(column)));
        else if (!columns[column].hidden)
            resizeColumnToContents(column);
    }
    if (model_.hasFixedColumn()) {
        setColumnHidden(0, true);
        verticalHeader()->setMinimumWidth(platform::twipsToPixels(fixedColumnMinimumTwips, logicalDpiX()));
        verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
        verticalHeader()->show();
    } else {
        verticalHeader()->hide();
    }
}

QString SummaryGridView::selectedText() const {
    const QItemSelection selection = selectionModel()->selection();
    std::set<int> rows;
    std::set<int> columnSet;
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.insert(row);
        for (int column = range.left(); column <= range.right(); ++column)
            if (!isColumnHidden(column)) columnSet.insert(column);
    }
    if (rows.empty() || columnSet.empty()) return {};
    // Columns in the order the user sees them.
    std::vector<int> columns(columnSet.begin(), columnSet.end());
    std::sort(columns.begin(), columns.end(),
              [this](int a, int b) { return horizontalHeader()->visualIndex(a) < horizontalHeader()->visualIndex(b); });
    const auto selected = [&](int row, int column) {
        return std::any_of(selection.begin(), selection.end(), [&](const QItemSelectionRange& range) {
            return row >= range.top() && row <= range.bottom() && column >= range.left() && column <= range.right();
        });
    };

    QString text;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) text += QLatin1Char('\t');
        text += model_.cellText(0, columns[i]).trimmed();
    }
    text += QLatin1Char('\n');
    for (int row : rows) {
        const int gridRow = model_.gridRowAt(row);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) text += QLatin1Char('\t');
            if (selected(row, columns[i])) text += model_.cellText(gridRow, columns[i]).trimmed();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void SummaryGridView::copySelection() const {
    const QString text = selectedText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void SummaryGridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace varnel::summarywindows
