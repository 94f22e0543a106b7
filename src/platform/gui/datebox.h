#pragma once

#include <QLineEdit>
#include <functional>

// A box that shows a date as text and also takes one typed in. When the user finishes (Return,
// or the focus leaves the box), the reader turns what was typed into the text to show; a text it
// cannot take is refused: the box goes back to the last date it showed, and refused() says why.
// Text set by the program is shown as it is, and is the date the box goes back to.
//
// The accessible description is the date shown, so that a screen reader names the box by its
// caption and reads the date, while the user's typing reads as the box's text.
class DateBox final : public QLineEdit {
    Q_OBJECT
public:
    // The text to show for what was typed; or, when it cannot be taken, why (and no text).
    struct Reading {
        QString shown;
        QString problem;
    };
    using Reader = std::function<Reading(const QString& typed)>;

    explicit DateBox(QWidget* parent = nullptr);

    void setReader(Reader reader) { reader_ = std::move(reader); }
    // Takes what the user typed, if anything: shows it as the reader writes it, or refuses it.
    // False when it was refused.
    bool takeTyped();

signals:
    // A typed date was taken and is shown.
    void dateTyped();
    // A typed text was refused (the box shows the date before it again); problem says why.
    void refused(const QString& problem);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void shownByProgram(const QString& text);

    Reader reader_;
    QString lastDate_;
};
