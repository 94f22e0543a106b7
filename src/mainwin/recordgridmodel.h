#pragma once

#include "record/recordstore.h"

#include <QAbstractTableModel>
#include <QDate>

// Shows the register in the record grid. Model row r is record r + 1. The grid's column 0, the
// row numbers, is the view's vertical header and no model column, so that a screen reader does
// not read each number twice, as a cell and as the row's header; model column c shows grid
// column c + 1. Cells are worked out from the records only when the view asks for them, so
// painting costs what is visible, whatever the size of the register. An empty register shows
// one blank row.
class RecordGridModel final : public QAbstractTableModel, private RecordStore::Listener {
    Q_OBJECT

public:
    explicit RecordGridModel(RecordStore& store, QObject* parent = nullptr);
    ~RecordGridModel() override;

    static constexpr int gridColumn(int modelColumn) { return modelColumn + 1; }
    static constexpr int modelColumn(int gridColumn) { return gridColumn - 1; }

    // The text of a cell of data row 1.., grid column 0..17, as the grid shows it: the row's
    // number, the trimmed texts, the expiry as an era date. The blank row gives empty texts.
    QString cellText(int row, int column) const;

    // The day the rows' expiry states are told for: the day their colours were worked out for.
    // Without one, rows have no description.
    void setDay(QDate day);
    // How data row 1.. stands with its expiry on that day, for screen readers: "期限まで 40 日
    // （受付中）", "期限切れ（12 日経過）", "期間なし" for an expiry that is no date. Given as
    // the accessible description of the row's header and of its first cell.
    QString expiryDescription(int row) const;

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
    // The text colour on that colour: readable, at a contrast of 4.5:1 at least.
    QVariant rowForeground(int row) const;
    void registerAboutToChange() override;
    void registerChanged() override;
    void rowChanged(int row) override;

    RecordStore& store_;
    QDate day_;
    mutable quint64 cellRequests_ = 0;
};
