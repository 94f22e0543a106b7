#pragma once

#include "record/recordstore.h"

#include <QDate>

// The record checks: they sort, de-duplicate and delete records of the register and colour each
// row by how close its licence is to expiry. None of them shows anything; the register reports
// its change once, at the end of each.
//
// Sorting, de-duplicating and deleting leave every record as its row shows it: texts without
// spaces at the left end, the expiry without a time of day.
namespace checks {

// Deletes record row; the rows below keep their numbers until the next sort. Deleting marks
// the register as changed. Rows outside 1..Count are ignored.
void deleteRecord(RecordStore& store, int row);

// Removes every record whose trimmed call sign, licence number and expiry text equal those of
// a record above it, then sorts and renumbers. Removing at least one record marks the register
// as changed. With one record or none nothing changes.
void removeDuplicates(RecordStore& store);

// Sorts the records by expiry date (earliest first, equal dates keep their order) and numbers
// them 1..n.
void sortByExpiry(RecordStore& store);

// Colours each row by the days from today to its record's expiry.
void colourByExpiry(RecordStore& store, QDate today);

// Background colour for a number of days left (negative once expired).
quint32 expiryColour(qint64 daysLeft);
// Days from today to a stored expiry (time of day ignored), saturated to the 32-bit range. A
// value that is no number at all counts as far off.
qint32 daysLeft(double expiry, QDate today);

} // namespace checks
