#pragma once

#include "record/recordstore.h"

#include <QAbstractTableModel>

// Shows the register in the record grid. Model row r is record r + 1; the header row is the
// view's horizontal header, and column 0 (the row numbers) its vertical header. Cells are
// worked out from the records only when the view asks for them, so painting costs what is
// visible, whatever the size of the register. An empty register shows one blank row.
class RecordGridModel final : public QAbstractTableModel, private RecordStore::Listener {
    Q_OBJECT

public:
    explicit RecordGridModel(RecordStore& store, QObject* parent = nullptr);
    ~RecordGridModel() override;

    // The text of a cell of data row 1.., column 0..17, as the grid shows it: the row's number,
    // the trimmed texts, the expiry as an era date. The blank row gives empty texts.
    QString cellText(int row, int column) const;

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
    void registerAboutToChange() override;
    void registerChanged() override;
    void rowChanged(int row) override;

    RecordStore& store_;
    mutable quint64 cellRequests_ = 0;
};
