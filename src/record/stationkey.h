#pragma once

#include "record/stationrecord.h"

#include <QString>
#include <QStringView>

// Which station a record stands for. The same station is often typed in more than one way:
// the entry dialogs widen call signs and licence numbers, a spreadsheet program or a person
// writes them half-width or in lower case. Call sign and licence number therefore compare
// after Unicode compatibility normalisation (NFKC) and case folding, without spaces at the
// ends: ＪＡ１ＡＡＡ, JA1AAA and ja1aaa are one call sign.
QString matchText(QStringView text);

// Call sign and licence number as one key, each as matchText gives it.
QString stationKey(const StationRecord& record);
