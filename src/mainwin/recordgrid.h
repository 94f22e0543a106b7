#pragma once

#include "platform/gui/colours.h"
#include "record/recordstore.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

// The record grid's contents, apart from any widget: the register's second copy. Row 0 is the
// header; data rows are 1..dataRows(). Row k normally shows record k of the RecordStore; the
// record checks change the rows first and then rebuild the store from them.
//
// Whoever changes a record in the store changes its row too (setRow), and the other way round.
//
// An empty grid (no data rows) shows one blank data row of its own, so Rows() is never below 2.
// appendRow() on an empty grid therefore makes the new row row 1.
//
// Besides the 18 cell texts every row keeps:
// - its expiry as the stored day count. It is set together with the text of column 3 and
//   follows that text whenever the text can be read as an era date; a text that cannot be read
//   leaves it as it was, so a rebuild never invents a date.
// - its background colour (0x00BBGGRR or a system colour), which moves with the row.
// - an identity: a number that stays with the row through sorting, deleting and removing
//   duplicates, and is never reused. A window that works on one record (the edit dialog) keeps
//   rowId(CurrentIndex) when it loads and finds its row again with rowOfId(); 0 means the
//   record is no longer in the register (another file was opened, or it was deleted).
//
// Views follow through a Listener. Changes made inside a Batch are reported once, when the
// outermost Batch ends (the grid's drawing is suspended meanwhile).
class RecordGrid {
public:
    static constexpr int kColumns = 18;
    using Cells = std::array<QString, kColumns>;

    struct Row {
        double expiry = 0.0;
        quint32 colour = colours::kWindowBackground;
        quint64 id = 0;
        // The store record this row is in step with: the row gives back exactly that record.
        // Set when the row is filled from the store or the store from the row, cleared by any
        // change of the row's texts; it lets a rebuild move that record instead of building it
        // again. Identified by where the record's first text lives, which moving a record keeps.
        const void* inStepWith = nullptr;
        Cells cells;
    };

    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void gridAboutToChange() = 0;
        virtual void gridChanged() = 0;
        // One row's texts or colour changed, outside a batch.
        virtual void gridRowChanged(int row) = 0;
    };

    // Suspends reporting for its lifetime; nests.
    class Batch {
    public:
        explicit Batch(RecordGrid& grid);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        RecordGrid& grid_;
    };

    RecordGrid();

    void setListener(Listener* listener) { listener_ = listener; }

    // Header texts and alignment of column 0..17.
    static const QString& headerText(int column);
    static bool isCentred(int column) { return column == 0; }

    // Header plus data rows; 2 when empty (the blank row).
    int Rows() const { return int(rows_.size() < 1 ? 1 : rows_.size()) + 1; }
    // Data rows that hold a record; 0 when only the blank row shows.
    int dataRows() const { return int(rows_.size()); }

    // Text of a cell; row 0 gives the header, the blank row empty texts.
    const QString& text(int row, int column) const;
    // Sets one data cell. Column 3 also sets the row's expiry when the text reads as a date.
    void setText(int row, int column, const QString& text);
    double expiry(int row) const;
    quint32 colour(int row) const;
    void setColour(int row, quint32 colour);
    quint64 rowId(int row) const;
    // The row that has this identity now, or 0.
    int rowOfId(quint64 id) const;

    // The row the user last selected, 1..Rows()-1.
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row);

    // Column widths in twips; 0 leaves the view's own width.
    qint32 columnWidth(int column) const { return widths_[size_t(column)]; }
    void setColumnWidth(int column, qint32 twips) { widths_[size_t(column)] = twips; }

    // The cells that show record (with number in column 0): trimmed texts, the era date.
    static Cells cellsOf(const StationRecord& record, int number);

    // Fills the grid from the store: one row per record, numbered 1..Count. The first
    // keepIdentities rows keep their identities (after a merge they still hold the same records).
    void refresh(const RecordStore& store, int keepIdentities = 0);
    // Adds a row after the last one; returns its identity.
    quint64 appendRow(const Cells& cells, double expiry);
    // Replaces the texts and expiry of a data row; identity and colour stay.
    void setRow(int row, const Cells& cells, double expiry);
    void removeRow(int row);
    // Drops every data row.
    void clearRows();

    // The record that row shows: columns 1..17 as fixed-width values (cut or padded), the
    // expiry without a time of day. When previous already holds a field's fixed-width value,
    // that text is shared instead of built again.
    StationRecord toRecord(int row, const StationRecord* previous = nullptr) const;
    // True when toRecord(row) would give exactly record.
    bool shows(int row, const StationRecord& record) const;
    // True when the row is in step with record (see Row::inStepWith).
    bool inStepWith(int row, const StationRecord& record) const;
    // After the store took record from the row.
    void markInStep(int row, const StationRecord& record);

    // "1", "2", ...: the texts of column 0, shared by every grid.
    static const QString& numberText(int number);

    // Data row 1..dataRows(), for the record checks.
    const Row& dataRowAt(int row) const { return *rows_[size_t(row - 1)]; }
    // Puts the rows in a new order: newOrder[k] is the index of the row that goes to index k.
    void reorder(const std::vector<int>& newOrder);
    // Removes the rows whose index has remove[index] set.
    void removeRows(const std::vector<bool>& remove);
    // Writes k into column 0 of row k, for rows 1..count.
    void renumber(int count);

private:
    void beginChange();
    void endChange();
    void rowChanged(int row);
    Row* dataRow(int row);
    const Row* dataRow(int row) const;
    void clampCurrentRow();

    // Rows are held by pointer so that reordering a large grid moves pointers, not cells.
    std::vector<std::unique_ptr<Row>> rows_;
    int currentRow_ = 1;
    std::array<qint32, kColumns> widths_{};
    quint64 nextId_ = 1;
    Listener* listener_ = nullptr;
    int batchDepth_ = 0;
};
