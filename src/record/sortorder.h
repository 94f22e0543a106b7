#pragma once

#include "record/stationrecord.h"

#include <QtGlobal>
#include <vector>

// The order in which the register is listed: by expiry date, earliest first. Records with the
// same expiry day keep their previous order (a stable sort). Records whose stored date cannot
// be shown (not a supported calendar date) come after every dated record, again in their
// previous order. The main window's sort and velmora-tool both use this, so a record number
// printed by the tool is the row the window shows after its sort.

// The key that orders a stored expiry value: smaller keys come first.
qint64 expirySortKey(double expiry);

// Positions 0..n-1 of expiries in sorted order: result[k] is the position that goes to place k.
std::vector<int> expiryOrder(const std::vector<double>& expiries);

// Sorts records in place.
void sortByExpiry(std::vector<StationRecord>& records);
