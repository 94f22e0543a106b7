#include "platform/gui/twips.h"

#include <QWidget>
#include <cmath>

namespace twips {

int toPixels(double twips, int dpi) {
    return int(std::lround(twips * dpi / kPerInch));
}

double fromPixels(int pixels, int dpi) {
    return dpi > 0 ? double(pixels) * kPerInch / dpi : 0.0;
}

void place(QWidget* widget, double left, double top, double width, double height, int dpi) {
    widget->setGeometry(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi),
                        toPixels(height, dpi));
}

} // namespace twips
