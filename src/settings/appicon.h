#pragma once

#include <QIcon>
#include <QString>

// The program's icon, built into the program from data/velmora.svg.

// The icon rendered at the usual icon sizes from 16 to 256 pixels; for
// QApplication::setWindowIcon and the version box. Needs a QGuiApplication.
QIcon appIcon();

// The resource path of the SVG itself.
QString appIconPath();
