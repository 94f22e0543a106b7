#include "mainwin/recordgridmodel.h"

#include "platform/gui/colours.h"

#include <QApplication>
#include <QPalette>

RecordGridModel::RecordGridModel(RecordGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {
    grid_.setListener(this);
}

RecordGridModel::~RecordGridModel() {
    grid_.setListener(nullptr);
}

int RecordGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Rows() - 1;
}

int RecordGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RecordGrid::kColumns;
}

QVariant RecordGridModel::rowBackground(int row) const {
    // The window's own background is left to the view, so that the style draws it.
    const quint32 colour = grid_.colour(row);
    if (colour == colours::kWindowBackground)
        return {};
    return colours::toQColor(colour, QApplication::palette());
}

QVariant RecordGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        ++cellRequests_;
        return grid_.text(row, index.column());
    case Qt::TextAlignmentRole:
        return RecordGrid::isCentred(index.column()) ? int(Qt::AlignCenter)
                                                     : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return rowBackground(row);
    default:
        return {};
    }
}

QVariant RecordGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= RecordGrid::kColumns)
            return {};
        if (role == Qt::DisplayRole)
            return RecordGrid::headerText(section);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    // The vertical header is the grid's fixed column 0: it shows the row numbers and, like
    // every cell of the row, its colour.
    const int row = section + 1;
    switch (role) {
    case Qt::DisplayRole:
        return grid_.text(row, 0);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return rowBackground(row);
    default:
        return {};
    }
}

void RecordGridModel::gridAboutToChange() {
    beginResetModel();
}

void RecordGridModel::gridChanged() {
    endResetModel();
}

void RecordGridModel::gridRowChanged(int row) {
    const int r = row - 1;
    if (r < 0 || r >= rowCount())
        return;
    emit dataChanged(index(r, 0), index(r, RecordGrid::kColumns - 1));
    emit headerDataChanged(Qt::Vertical, r, r);
}
