// The record grid's view: columns, widths, font, the fixed number column and the mouse.
#include "mainwin/mainwindow.h"

#include "mainwin/recordgridmodel.h"
#include "platform/gui/fonts.h"
#include "platform/gui/twips.h"
#include "record/gridcolumns.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Paints the header text of the number column on the view's top-left corner, where the fixed
// row and the fixed column meet.
class CornerPainter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* corner = qobject_cast<QAbstractButton*>(watched);
        if (!corner || event->type() != QEvent::Paint)
            return false;
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = columnHeader(0);
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.orientation = Qt::Horizontal;
        QPainter painter(corner);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
};

} // namespace

void MainWindow::buildGrid() {
    gridContainer = new QWidget(this);
    gridContainer->setObjectName(QStringLiteral("gridContainer"));
    auto* layout = new QVBoxLayout(gridContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(gridContainer);

    recordGrid = new QTableView(gridContainer);
    recordGrid->setObjectName(QStringLiteral("recordGrid"));
    recordGrid->setAccessibleName(QStringLiteral("局の一覧"));
    layout->addWidget(recordGrid);

    QFont font(fonts::gothic());
    font.setPointSizeF(10.5);
    font.setBold(true);
    recordGrid->setFont(font);

    model_ = new RecordGridModel(state_.store, this);
    // The view shows the filter's rows; everything that turns a view row into a record number
    // goes through the filter.
    filter_ = new StationFilterModel(*model_, state_.store, this);
    recordGrid->setModel(filter_);
    recordGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    recordGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    recordGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recordGrid->setWordWrap(false);
    recordGrid->setTextElideMode(Qt::ElideNone);
    recordGrid->setContextMenuPolicy(Qt::PreventContextMenu);
    recordGrid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // The row numbers are the view's vertical header, so that they stay in place while the
    // columns scroll, as a fixed column does.
    QHeaderView* rows = recordGrid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(font).height() + 6);
    rows->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView* columns = recordGrid->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setHighlightSections(false);
    rows->setHighlightSections(false);
    connect(columns, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        columnResized(RecordGridModel::gridColumn(column), size);
    });

    auto* corner = recordGrid->findChild<QAbstractButton*>();
    if (corner)
        corner->installEventFilter(new CornerPainter(corner));

    connect(recordGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    currentRow_ = std::max(filter_->storeRow(current.row()), 1);
            });
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { savedScroll_ = recordGrid->verticalScrollBar()->value(); });
    connect(model_, &QAbstractItemModel::modelReset, this, &MainWindow::restoreView);
    recordGrid->installEventFilter(this);

    // The mouse acts anywhere in the grid: the cells, the number column, the header row and
    // the corner where the two meet.
    gridAreas_ = {recordGrid->viewport(), rows->viewport(), columns->viewport(), corner};
    for (const QPointer<QWidget>& area : gridAreas_) {
        if (area)
            area->installEventFilter(this);
    }
    buildSearchBar(gridContainer);
    restoreView();
}

// After the rows changed as a whole, the view keeps the current row number and its scroll
// position, as far as the rows still reach.
void MainWindow::restoreView() {
    setCurrentRow(currentRow_);
    if (filter_->isFiltering())
        followFilter();
    recordGrid->verticalScrollBar()->setValue(savedScroll_);
}

void MainWindow::setCurrentRow(int row) {
    currentRow_ = std::clamp(row, 1, model_->rowCount());
    const int shown = filter_->proxyRow(currentRow_);
    // The blank row of an empty register is row 0 of an unfiltered view.
    const QModelIndex current =
        filter_->index(shown >= 0 ? shown : (filter_->isFiltering() ? -1 : 0), 0);
    if (!current.isValid())
        return;
    recordGrid->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
}

int MainWindow::seenRow() const {
    return filter_->proxyRow(currentRow_) >= 0 ? currentRow_ : 0;
}

void MainWindow::setUpGridHeader() {
    // Header texts and alignments come from the model; the widths from the settings.
    applyColumnWidths();
}

void MainWindow::applyColumnWidths() {
    applyingWidths_ = true;
    recordGrid->verticalHeader()->setFixedWidth(twips::toPixels(columnWidths_[0], dpiX()));
    for (int column = 1; column < kGridColumnCount; ++column)
        recordGrid->setColumnWidth(RecordGridModel::modelColumn(column),
                                   twips::toPixels(columnWidths_[size_t(column)], dpiX()));
    applyingWidths_ = false;
}

void MainWindow::columnResized(int column, int newPixels) {
    // Only the user's changes are kept: widths applied from twips are written back unchanged.
    if (applyingWidths_ || column <= 0 || column >= kGridColumnCount || newPixels <= 0)
        return;
    columnWidths_[size_t(column)] = qint32(std::lround(twips::fromPixels(newPixels, dpiX())));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The search keys of a full register take about 30 ms to build: built as the box takes the
    // focus, the first keystroke costs no more than the others (under 16 ms).
    if (event->type() == QEvent::FocusIn && watched == searchBox)
        filter_->prepareSearch();
    if (event->type() == QEvent::KeyPress && (watched == recordGrid || watched == searchBox)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == recordGrid ? gridKeyPressed(key->key(), key->modifiers())
                                  : searchKeyPressed(key->key()))
            return true;
    }
    const bool onGrid = watched && std::any_of(gridAreas_.begin(), gridAreas_.end(),
                                               [watched](const QPointer<QWidget>& area) {
                                                   return area.data() == watched;
                                               });
    if (!onGrid)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // The first click of the double-click has already selected the row.
            gridDoubleClicked();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        // The right button never changes the current row.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            gridRightPressed();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            gridRightReleased();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
