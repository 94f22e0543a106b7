#pragma once

#include "record/stationrecord.h"

#include <QString>
#include <vector>

namespace bench {

// A realistic register: full-width call signs and licence numbers, kanji names, half-width
// kana readings, addresses, about a third club stations, expiry dates spread over ten years.
// The same seed gives the same register.
std::vector<StationRecord> sampleRegister(int count, unsigned seed = 1);

// Same, with every text field full to its width of double-byte text.
std::vector<StationRecord> fullWidthRegister(int count);

// A register in which a tenth of the rows repeat the call sign, licence number and expiry of
// another row (the other fields differ), in random places.
std::vector<StationRecord> registerWithDuplicates(int count);

// Writes records to a data file in a temporary folder and returns its path; the folder lives
// until the program ends.
QString writeSampleFile(const std::vector<StationRecord>& records, const QString& name);

} // namespace bench
