#include "entry/datestep.h"

#include "record/eradate.h"

namespace datestep {

QString step(QStringView shown, Unit unit, int count) {
    const QDate date = ParseEraDate(shown);
    if (!date.isValid())
        return shown.toString();
    QDate moved;
    switch (unit) {
    case Unit::Year:
        moved = date.addYears(count);
        break;
    case Unit::Month:
        moved = date.addMonths(count);
        break;
    case Unit::Day:
        moved = date.addDays(count);
        break;
    }
    // FormatEraDate gives nothing for a date it cannot show; the shown date then stays.
    const QString text = FormatEraDate(moved);
    return text.isEmpty() ? shown.toString() : text;
}

} // namespace datestep
