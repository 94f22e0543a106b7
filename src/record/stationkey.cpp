// Matching records that stand for the same station.
#include "record/stationkey.h"

QString matchText(QStringView text) {
    // NFKC makes a full-width space a plain one, so the ends are trimmed afterwards.
    return trimSpaces(text.toString().normalized(QString::NormalizationForm_KC).toCaseFolded());
}

QString stationKey(const StationRecord& record) {
    // The call sign's length first: any character may occur in a text, so no separator could
    // keep "A|B" + "C" apart from "A" + "B|C".
    const QString callSign = matchText(record.unpadded(Field::CallSign));
    return QString::number(callSign.size()) + u':' + callSign +
           matchText(record.unpadded(Field::LicenceNo));
}
