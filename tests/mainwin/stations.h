#pragma once

#include "mainwin/recordgrid.h"
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

// A store holding records and a grid listing it, as after opening a file.
struct Register {
    RecordStore store;
    RecordGrid grid;

    explicit Register(std::vector<StationRecord> records = {}) {
        store.load(std::move(records));
        grid.refresh(store);
    }
    // Column texts of all data rows.
    std::vector<QString> column(int c) const {
        std::vector<QString> texts;
        for (int row = 1; row <= grid.dataRows(); ++row)
            texts.push_back(grid.text(row, c));
        return texts;
    }
    std::vector<QString> callSigns() const {
        std::vector<QString> texts;
        for (const StationRecord& r : store.records())
            texts.push_back(r.trimmed(Field::CallSign));
        return texts;
    }
};

} // namespace stations
