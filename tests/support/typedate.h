#pragma once

#include "platform/gui/datebox.h"

#include <QApplication>
#include <QKeyEvent>

// The user replaces what a date box shows with text, as typed, and finishes with Return unless
// told not to.
inline void typeDate(DateBox* box, const QString& text, bool finish = true) {
    box->selectAll();
    box->insert(text);
    if (!finish)
        return;
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
}
