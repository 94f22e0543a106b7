#include "settings/valuedisplay.h"

#include "platform/gui/colours.h"

#include <QLabel>

QLabel* makeValueDisplay(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colours::toQColor(colours::kWindowBackground, p));
    label->setPalette(p);
    return label;
}
