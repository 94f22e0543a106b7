#include "platform/gui/colours.h"

#include <QGuiApplication>
#include <QWidget>
#include <cmath>

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

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableTextColour(QColor background) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(white, background) > contrastRatio(black, background) ? white : black;
}

} // namespace colours
