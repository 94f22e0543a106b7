#include "platform/gui/colours.h"

#include <QGuiApplication>
#include <QWidget>

namespace colours {

QColor toQColor(quint32 stored, const QPalette& palette) {
    if (stored == kWindowBackground)
        return palette.color(QPalette::Base);
    if (stored == kButtonFace)
        return palette.color(QPalette::Button);
    return QColor(int(stored & 0xFF), int((stored >> 8) & 0xFF), int((stored >> 16) & 0xFF));
}

quint32 fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}

void setBackground(QWidget* widget, QPalette::ColorRole role, quint32 stored) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(stored, widget->palette()));
    widget->setPalette(palette);
}

} // namespace colours
