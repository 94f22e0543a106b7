#pragma once

#include "mainwin/recordgrid.h"
#include "record/recordstore.h"

#include <QDate>

// The record checks: they change the grid's rows first and then rebuild the store from the
// rows, so that record k is again exactly what row k shows. None of them shows anything; the
// grid reports its change once, at the end of each.
namespace checks {

// Rebuilds every record from its grid row (the store takes as many records as the grid has
// data rows). previousPosition[i], when given, is the 1-based store number that row i+1 held
// before the change; it only saves work: a row the store is in step with moves its record
// instead of building it again.
void rebuildStore(RecordGrid& grid, RecordStore& store,
                  const std::vector<int>& previousPosition = {});

// Deletes record row (grid row row); the rows below keep their numbers until the next sort.
// Deleting marks the register as changed. Rows outside 1..Count are ignored.
void DelGrid2Mem(RecordGrid& grid, RecordStore& store, int row);

// Removes every row whose trimmed call sign, licence number and expiry text equal those of a
// row above it, then sorts and renumbers. Removing at least one row marks the register as
// changed. With one data row or none nothing changes.
void DupeCheck2Mem(RecordGrid& grid, RecordStore& store);

// Sorts the rows by expiry date (earliest first, equal dates keep their order), numbers them
// 1..n and rebuilds the store.
void DataSort(RecordGrid& grid, RecordStore& store);

// Colours each row by the days from today to its record's expiry.
void LimitCheck(RecordGrid& grid, const RecordStore& store, QDate today);

// Background colour for a number of days left (negative once expired).
quint32 expiryColour(qint64 daysLeft);
// Days from today to a stored expiry (time of day ignored), saturated to the 32-bit range. A
// value that is no number at all counts as far off.
qint32 daysLeft(double expiry, QDate today);

} // namespace checks
