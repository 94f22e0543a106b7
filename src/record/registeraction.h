#pragma once

#include "record/stationrecord.h"

#include <QString>
#include <QStringView>

// The changes to the register that can be undone, and their names in the Edit menu.
enum class RegisterAction {
    NewStation,
    Overwrite,
    Delete,
    Extend,
    DuplicateCheck,
    Merge,
    CsvImport
};

// The change's name: 「削除 ＪＡ１ＡＢＣ」, 「重複チェック」. The station actions name the call
// sign, without spaces at either end; the others ignore it.
QString actionText(RegisterAction action, QStringView callSign = {});

// Storing an edited record: Extend when only its expiry moved on, by five years once or more (as
// the edit dialog's 5年延長 moves it), Overwrite otherwise.
RegisterAction storeAction(const StationRecord& before, const StationRecord& after);
