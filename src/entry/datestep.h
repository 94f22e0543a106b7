#pragma once

#include <QString>
#include <QStringView>

// The entry dialogs keep their expiry date only as the era text they show; the spin buttons and
// the five-year extension read it back, move it and show the result.
namespace datestep {

enum class Unit { Year, Month, Day };

// The era text ("ggge年mm月dd日") of the date shown moved by count units. A month or year step
// that lands on a day the target month lacks gives that month's last day. When the text cannot
// be read, or the result lies outside the dates the era calendar supports, the text comes back
// unchanged.
QString step(QStringView shown, Unit unit, int count);

} // namespace datestep
