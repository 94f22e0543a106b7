#pragma once

#include "record/stationrecord.h"

#include <QDate>
#include <QString>

// A plausible station for tests: the given call sign, licence number, expiry and name, with a
// reading, postal code, address and telephone number filled in.
inline StationRecord sampleStation(const QString& callSign, const QString& licenceNo, QDate expiry,
                                   const QString& name = QStringLiteral("山田太郎")) {
    StationRecord r;
    r.set(Field::CallSign, callSign);
    r.set(Field::LicenceNo, licenceNo);
    r.setExpiry(expiry);
    r.set(Field::StationType, u"固定局");
    r.set(Field::HolderName, name);
    r.set(Field::HolderKana, u"ﾔﾏﾀﾞ ﾀﾛｳ");
    r.set(Field::StationZip, u"102-0074");
    r.set(Field::StationAddr1, u"東京都千代田区九段南1-2-1");
    r.set(Field::ApplicantTel, u"03-1234-5678");
    return r;
}
