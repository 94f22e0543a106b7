#pragma once

#include "record/gridcolumns.h"
#include "record/recordstore.h"

#include <QString>
#include <vector>

// What the record grid shows of a register: row 1.. (the blank row of an empty register and
// rows beyond it show nothing), column 0 the row's number.
inline QString shownText(const RecordStore& store, int row, int column) {
    if (row < 1 || row > store.Count())
        return {};
    return column == 0 ? QString::number(store.number(row)) : columnText(store.record(row), column);
}

// The texts of one column over every record.
inline std::vector<QString> shownColumn(const RecordStore& store, int column) {
    std::vector<QString> texts;
    for (int row = 1; row <= store.Count(); ++row)
        texts.push_back(shownText(store, row, column));
    return texts;
}
