// The names of the changes to the register, as the Edit menu shows them.
#include "record/registeraction.h"

QString actionText(RegisterAction action, QStringView callSign) {
    const auto station = [callSign](const char16_t* name) {
        return QString::fromUtf16(name) + u' ' + trimmedSpaces(callSign).toString();
    };
    switch (action) {
    case RegisterAction::NewStation:
        return station(u"新規登録");
    case RegisterAction::Overwrite:
        return station(u"上書");
    case RegisterAction::Delete:
        return station(u"削除");
    case RegisterAction::Extend:
        return station(u"5年延長");
    case RegisterAction::DuplicateCheck:
        return QStringLiteral("重複チェック");
    case RegisterAction::Merge:
        return QStringLiteral("データ連結");
    case RegisterAction::CsvImport:
        return QStringLiteral("CSV取り込み");
    }
    return {};
}

RegisterAction storeAction(const StationRecord& before, const StationRecord& after) {
    for (const FieldInfo& info : fieldTable()) {
        if (info.field != Field::ExpiryDate &&
            before.trimmedView(info.field) != after.trimmedView(info.field))
            return RegisterAction::Overwrite;
    }
    const QDate to = after.expiry();
    QDate date = before.expiry();
    // As the button moves it: each press five years on from the date shown.
    while (date.isValid() && to.isValid() && date < to) {
        date = date.addYears(5);
        if (date == to)
            return RegisterAction::Extend;
    }
    return RegisterAction::Overwrite;
}
