#pragma once

#include <QLineEdit>
#include <functional>

// A text box of the entry dialogs.
//
// - Its input limit counts characters as the user sees them: a double-byte (full-width)
//   character counts one, as a half-width one does. The limit holds for everything the user puts in
//   (keys, the input method, pasting, dropping); text set by the program is shown whole, and a box
//   that already holds more than its limit still takes edits that do not lengthen it. What does not
//   fit is cut at the end of the inserted part.
// - A byte limit may stand beside it: the most bytes the text takes in code page 932 as it will
//   be stored (after a conversion the box is given, such as widening), since the data file
//   keeps a field's bytes, not its characters. It holds as the character limit does, and an
//   edit that passes either limit is cut the same way.
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
    // Most code page 932 bytes of asStored(text); 0 for no limit. Without a converter the
    // text is counted as it stands.
    void setStoredByteLimit(int bytes, std::function<QString(const QString&)> asStored = {});
    int storedByteLimit() const { return byteLimit_; }
    // The bytes the text takes as stored.
    qsizetype storedBytes(const QString& text) const;
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
    int byteLimit_ = 0;
    std::function<QString(const QString&)> asStored_;
    bool upperCasing_ = false;
    InputMode mode_ = InputMode::Hiragana;
    QString before_;       // the text as it stood before the edit being made
    bool undoing_ = false; // undo and redo keys give back the user's own text, not cut
};
