#pragma once

#include <QString>
#include <QtGlobal>

// Arithmetic shared by the page layouts.
namespace pagearithmetic {

// Thrown inside a layout when its 32-bit arithmetic overflows, and caught at the layout's
// entry point, which turns it into its error result. Never leaves a layout.
struct Overflow {};

// a × b + c in 32 bits, or Overflow.
qint32 checkedAffine(qint32 a, qint32 b, qint32 c);
// k × unit, where a whole k is 32-bit integer arithmetic (Overflow past its range) and a
// fractional k is floating point.
double checkedMultiple(double k, qint32 unit);
// A measured length as a 32-bit whole number, halves to even; Overflow past the range.
qint32 roundToInt32(double value);

// Halves to even, as the program has always rounded its grid measurements.
double roundHalfEven(double value);

// The pen width of the thick frames: 6 ÷ mode pixels, rounded halves to even. mode 0 has no
// width; the caller reports divisionMessage().
int thickPen(int mode);

QString overflowMessage();
QString divisionMessage();

} // namespace pagearithmetic
