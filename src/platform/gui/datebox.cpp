// A line edit for a date that is shown in one form and may be typed in several.
#include "platform/gui/datebox.h"

#include <QKeyEvent>

DateBox::DateBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        // setText clears the modified flag; typing sets it.
        if (!isModified())
            shownByProgram(text);
    });
    connect(this, &QLineEdit::editingFinished, this, [this] { takeTyped(); });
}

void DateBox::shownByProgram(const QString& text) {
    lastDate_ = text;
    setAccessibleDescription(text);
}

bool DateBox::takeTyped() {
    if (!isModified() || !reader_)
        return true;
    const QString typed = text();
    const Reading reading = reader_(typed);
    if (reading.problem.isEmpty()) {
        setText(reading.shown);
        shownByProgram(reading.shown); // also when the text stayed the same
        emit dateTyped();
        return true;
    }
    // Back to the date first: the message takes the focus, which finishes editing once more.
    setText(lastDate_);
    emit refused(reading.problem);
    return false;
}

void DateBox::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    // Return finishes the date here; it does not go on to press a button of the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}
