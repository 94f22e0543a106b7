#pragma once

#include <QtGlobal>

class QWidget;

// Window and column measures are kept in twips (1440 per inch) and shown in pixels at the
// device's logical dots per inch.
namespace twips {

constexpr int kPerInch = 1440;

int toPixels(double twips, int dpi);
double fromPixels(int pixels, int dpi);
// Sets a control's geometry from its designed place and size in twips.
void place(QWidget* widget, double left, double top, double width, double height, int dpi);

} // namespace twips
