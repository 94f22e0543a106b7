#pragma once

#include "record/recordstore.h"
#include "record/stationrecord.h"
#include "support/samplestation.h"

#include <QDate>
#include <QString>
#include <vector>

// Small registers built in code for the main window's tests.
namespace stations {

inline StationRecord make(const QString& callSign, const QString& licenceNo, QDate expiry,
                          const QString& name = QStringLiteral("山田太郎")) {
    return sampleStation(callSign, licenceNo, expiry, name);
}

// Records n = 1..count with call signs ＪＡ1ＡＡn and expiries one month apart.
inline std::vector<StationRecord> numbered(int count, QDate first = QDate(2025, 1, 31)) {
    std::vector<StationRecord> records;
    for (int n = 1; n <= count; ++n)
        records.push_back(make(QStringLiteral("ＪＡ１ＡＡ%1").arg(n),
                               QStringLiteral("関第%1号").arg(n), first.addMonths(n - 1)));
    return records;
}

} // namespace stations
