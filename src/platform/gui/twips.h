#pragma once

#include <QtGlobal>

// Window and column measures are kept in twips (1440 per inch) and shown in pixels at the
// device's logical dots per inch.
namespace twips {

constexpr int kPerInch = 1440;

int toPixels(double twips, int dpi);
double fromPixels(int pixels, int dpi);

} // namespace twips
