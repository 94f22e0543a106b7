// A check box that also reports a mouse button released over it.
#include "print/releasecheckbox.h"

#include <QMouseEvent>

void ReleaseCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool over = rect().contains(event->position().toPoint());
    QCheckBox::mouseReleaseEvent(event);
    if (over)
        emit mouseReleased();
}
