#include "settings/colourswatch.h"

#include "platform/gui/colours.h"

ColourSwatch::ColourSwatch(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colours::toQColor(colours::kWindowBackground, p));
    setPalette(p);
    setColour(0);
}

void ColourSwatch::setColour(quint32 colour) {
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colours::toQColor(colour, p));
    setPalette(p);
}
