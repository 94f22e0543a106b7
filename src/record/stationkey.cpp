// Matching records that stand for the same station.
#include "record/stationkey.h"

namespace {

// Characters that NFKC leaves as they are and that no neighbour combines with: ASCII, kana and
// the unified kanji. Full-width ASCII becomes ASCII. Call signs and licence numbers are made
// of these, and a full register is matched without the general normalisation.
bool quickForm(QStringView text, QString& out) {
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= 0xFF01 && c <= 0xFF5E)
            c -= 0xFEE0;
        if (c < 0x80) {
            out[i] = QChar(c >= u'A' && c <= u'Z' ? c + 0x20 : c);
        } else if ((c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FA) ||
                   (c >= 0x4E00 && c <= 0x9FFF)) {
            out[i] = QChar(c);
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

QString matchText(QStringView text) {
    QString quick;
    if (quickForm(text, quick))
        return trimSpaces(quick);
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
