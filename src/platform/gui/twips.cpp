#include "platform/gui/twips.h"

#include <cmath>

namespace twips {

int toPixels(double twips, int dpi) {
    return int(std::lround(twips * dpi / kPerInch));
}

double fromPixels(int pixels, int dpi) {
    return dpi > 0 ? double(pixels) * kPerInch / dpi : 0.0;
}

} // namespace twips
