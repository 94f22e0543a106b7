#pragma once

#include "mainwin/recordgrid.h"

#include <QAbstractTableModel>

// Shows a RecordGrid in a view. Model row r is grid row r + 1; the header row is the view's
// horizontal header. Cells are read only when the view asks for them, so painting costs what
// is visible, whatever the size of the register.
class RecordGridModel final : public QAbstractTableModel, private RecordGrid::Listener {
    Q_OBJECT

public:
    explicit RecordGridModel(RecordGrid& grid, QObject* parent = nullptr);
    ~RecordGridModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // How many cells the views asked for so far (to check that painting stays on demand).
    quint64 cellRequests() const { return cellRequests_; }

private:
    // The colour of a row, for every cell and its number.
    QVariant rowBackground(int row) const;
    void gridAboutToChange() override;
    void gridChanged() override;
    void gridRowChanged(int row) override;

    RecordGrid& grid_;
    mutable quint64 cellRequests_ = 0;
};
