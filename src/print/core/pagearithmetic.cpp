#include "print/core/pagearithmetic.h"

#include <cmath>
#include <limits>

namespace pagearithmetic {

qint32 checkedAffine(qint32 a, qint32 b, qint32 c) {
    qint32 product = 0;
    qint32 sum = 0;
    if (__builtin_mul_overflow(a, b, &product) || __builtin_add_overflow(product, c, &sum))
        throw Overflow{};
    return sum;
}

double checkedMultiple(double k, qint32 unit) {
    const double result = k * unit;
    if (k == std::trunc(k) && (result > std::numeric_limits<qint32>::max() ||
                               result < std::numeric_limits<qint32>::min()))
        throw Overflow{};
    return result;
}

qint32 roundToInt32(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded <= std::numeric_limits<qint32>::max() &&
          rounded >= std::numeric_limits<qint32>::min()))
        throw Overflow{};
    return qint32(rounded);
}

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

int thickPen(int mode) {
    return mode == 0 ? 0 : int(roundHalfEven(6.0 / mode));
}

QString overflowMessage() {
    return QStringLiteral(u"オーバーフローしました。");
}

QString divisionMessage() {
    return QStringLiteral(u"0 で除算しました。");
}

} // namespace pagearithmetic
