#pragma once

#include "record/gridcolumns.h"
#include "record/recordstore.h"

#include <QString>
#include <vector>

// What the record grid shows in one column over every record; column 0 is the row's number.
inline std::vector<QString> shownColumn(const RecordStore& store, int column) {
    std::vector<QString> texts;
    for (int row = 1; row <= store.Count(); ++row) {
        texts.push_back(column == 0 ? QString::number(store.number(row))
                                    : columnText(store.record(row), column));
    }
    return texts;
}
