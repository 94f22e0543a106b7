#pragma once

#include <QLineEdit>

// A text box of the entry dialogs.
//
// - Its input limit counts characters as the user sees them: a double-byte (full-width)
//   character counts one, as a half-width one does (the data file cuts a field to its width in
//   bytes when it is saved). The limit holds for everything the user puts in (keys, the input
//   method, pasting, dropping); text set by the program is shown whole, and a box that already
//   holds more than its limit still takes edits that do not lengthen it. What does not fit is
//   cut at the end of the inserted part.
// - With upper-casing on, typed characters (keys and input-method commits) become capitals
//   before they reach the box; pasted or dropped text stays as it is.
class EntryBox final : public QLineEdit {
    Q_OBJECT
public:
    // The input-method state the box asks for while it has the focus.
    enum class InputMode { FullWidthAlphanumeric, Hiragana, HalfWidthKatakana, Off };

    explicit EntryBox(QWidget* parent = nullptr);

    // Most characters the user may enter; 0 for no limit.
    void setInputLimit(int characters) { limit_ = characters; }
    int inputLimit() const { return limit_; }
    void setUpperCasing(bool on);
    bool upperCasing() const { return upperCasing_; }
    void setInputMode(InputMode mode);
    InputMode inputMode() const { return mode_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void applyHints();
    // Cuts what the user's edit added beyond the limit.
    void limitEdit();

    int limit_ = 0;
    bool upperCasing_ = false;
    InputMode mode_ = InputMode::Hiragana;
    QString before_;       // the text as it stood before the edit being made
    bool undoing_ = false; // undo and redo keys give back the user's own text, not cut
};
