#include "mainwin/recordgridmodel.h"

#include "platform/gui/colours.h"
#include "record/gridcolumns.h"

#include <QApplication>
#include <QPalette>

RecordGridModel::RecordGridModel(RecordStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {
    store_.setListener(this);
}

RecordGridModel::~RecordGridModel() {
    store_.setListener(nullptr);
}

QString RecordGridModel::cellText(int row, int column) const {
    if (row < 1 || row > store_.Count() || column < 0 || column >= kGridColumnCount)
        return {};
    if (column == 0)
        return QString::number(store_.number(row));
    return columnText(store_.record(row), column);
}

int RecordGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(store_.Count(), 1);
}

int RecordGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumnCount;
}

QVariant RecordGridModel::rowBackground(int row) const {
    // The window's own background is left to the view, so that the style draws it.
    if (row < 1 || row > store_.Count() || store_.colour(row) == colours::kWindowBackground)
        return {};
    return colours::toQColor(store_.colour(row), QApplication::palette());
}

QVariant RecordGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        ++cellRequests_;
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return rowBackground(row);
    default:
        return {};
    }
}

QVariant RecordGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= kGridColumnCount)
            return {};
        if (role == Qt::DisplayRole)
            return columnHeader(section);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    // The vertical header is the grid's fixed column 0: it shows the row numbers and, like
    // every cell of the row, its colour.
    const int row = section + 1;
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, 0);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return rowBackground(row);
    default:
        return {};
    }
}

void RecordGridModel::registerAboutToChange() {
    beginResetModel();
}

void RecordGridModel::registerChanged() {
    endResetModel();
}

void RecordGridModel::rowChanged(int row) {
    const int r = row - 1;
    if (r < 0 || r >= rowCount())
        return;
    emit dataChanged(index(r, 0), index(r, kGridColumnCount - 1));
    emit headerDataChanged(Qt::Vertical, r, r);
}
