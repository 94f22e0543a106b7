// The record grid's model: the register's rows as cells, colours and expiry descriptions.
#include "mainwin/recordgridmodel.h"

#include "platform/gui/colours.h"
#include "record/gridcolumns.h"
#include "record/recordchecks.h"
#include "record/renewalwindow.h"

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

void RecordGridModel::setDay(QDate day) {
    if (day == day_)
        return;
    day_ = day;
    const int last = rowCount() - 1;
    emit dataChanged(index(0, 0), index(last, 0), {Qt::AccessibleDescriptionRole});
    emit headerDataChanged(Qt::Vertical, 0, last);
}

QString RecordGridModel::expiryDescription(int row) const {
    if (row < 1 || row > store_.Count() || !day_.isValid())
        return {};
    const StationRecord& record = store_.record(row);
    const renewal::State state = renewal::stateOn(renewal::windowFor(record), day_);
    if (state == renewal::State::NoWindow)
        return renewal::stateLabel(state);
    const qint32 days = checks::daysLeft(record.ExpiryDate, day_);
    if (state == renewal::State::Expired)
        return QStringLiteral("%1（%2 日経過）").arg(renewal::stateLabel(state)).arg(-qint64(days));
    return QStringLiteral("期限まで %1 日（%2）").arg(days).arg(renewal::stateLabel(state));
}

int RecordGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(store_.Count(), 1);
}

int RecordGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumnCount - 1;
}

QVariant RecordGridModel::rowBackground(int row) const {
    // The window's own background is left to the view, so that the style draws it.
    if (row < 1 || row > store_.Count() || store_.colour(row) == colours::kWindowBackground)
        return {};
    return colours::toQColor(store_.colour(row), QApplication::palette());
}

QVariant RecordGridModel::rowForeground(int row) const {
    // Black on the light colours, white on the blue of an expired licence.
    const QVariant background = rowBackground(row);
    if (!background.isValid())
        return {};
    return colours::readableTextColour(background.value<QColor>());
}

QVariant RecordGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        ++cellRequests_;
        return cellText(row, gridColumn(index.column()));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return rowBackground(row);
    case Qt::ForegroundRole:
        return rowForeground(row);
    case Qt::AccessibleDescriptionRole:
        // On the first cell only: the row is read as it is entered, not at every cell.
        if (index.column() == 0)
            return expiryDescription(row);
        return {};
    default:
        return {};
    }
}

QVariant RecordGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return {};
        if (role == Qt::DisplayRole)
            return columnHeader(gridColumn(section));
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
    case Qt::ForegroundRole:
        return rowForeground(row);
    case Qt::AccessibleDescriptionRole:
        return expiryDescription(row);
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
    emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, r, r);
}
