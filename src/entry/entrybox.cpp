#include "entry/entrybox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

namespace {

// A surrogate pair is one character.
qsizetype characterCount(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}

// The longest start of text that holds at most budget characters, never splitting a pair.
QString fittingStart(const QString& text, qsizetype budget) {
    qsizetype end = 0;
    for (qsizetype used = 0; end < text.size() && used < budget; ++used) {
        const bool pair =
            text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

} // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
    // Every edit by the user (keys, the input method, pasting, dropping, undo) reports
    // textEdited before textChanged, so before_ still holds the text the edit started from.
    // textChanged may carry a text that limitEdit has cut since; text() is what stands.
    connect(this, &QLineEdit::textEdited, this, &EntryBox::limitEdit);
    connect(this, &QLineEdit::textChanged, this, [this] { before_ = text(); });
    applyHints();
}

void EntryBox::setUpperCasing(bool on) {
    upperCasing_ = on;
    applyHints();
}

void EntryBox::setInputMode(InputMode mode) {
    mode_ = mode;
    applyHints();
}

// Qt cannot switch a Japanese input method into a conversion mode (full-width alphanumeric,
// hiragana, half-width katakana) on any platform, so the boxes only pass the hints Qt has: Latin
// capitals for the call sign box, nothing for the kana and kanji boxes (the input method keeps
// the user's own mode, normally hiragana), and for the postal code and telephone boxes the input
// method is switched off altogether, which Qt can do everywhere.
void EntryBox::applyHints() {
    Qt::InputMethodHints hints = Qt::ImhNone;
    switch (mode_) {
    case InputMode::FullWidthAlphanumeric:
        hints = Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
        break;
    case InputMode::Hiragana:
    case InputMode::HalfWidthKatakana:
        break;
    case InputMode::Off:
        hints = Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText;
        break;
    }
    if (upperCasing_)
        hints |= Qt::ImhPreferUppercase;
    setInputMethodHints(hints);
    setAttribute(Qt::WA_InputMethodEnabled, mode_ != InputMode::Off);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (upperCasing_ && printable && typed.toUpper() != typed) {
        QKeyEvent upper(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(), typed.toUpper(),
                        event->isAutoRepeat(), event->count(), event->device());
        QLineEdit::keyPressEvent(&upper);
        event->setAccepted(upper.isAccepted());
        return;
    }
    undoing_ = event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
    QLineEdit::keyPressEvent(event);
    undoing_ = false;
}

void EntryBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (upperCasing_ && commit.toUpper() != commit) {
        QInputMethodEvent upper(event->preeditString(), event->attributes());
        upper.setCommitString(commit.toUpper(), event->replacementStart(),
                              event->replacementLength());
        QLineEdit::inputMethodEvent(&upper);
        event->setAccepted(upper.isAccepted());
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void EntryBox::limitEdit() {
    const QString before = before_;
    const QString now = text();
    const qsizetype nowLength = characterCount(now);
    const qsizetype beforeLength = characterCount(before);
    if (undoing_ || limit_ <= 0 || nowLength <= limit_ || nowLength <= beforeLength)
        return;
    // The inserted part lies between what the texts share at the start and at the end.
    qsizetype prefix = 0;
    const qsizetype shortest = std::min(before.size(), now.size());
    while (prefix < shortest && before[prefix] == now[prefix])
        ++prefix;
    if (prefix > 0 && now[prefix - 1].isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < shortest - prefix &&
           before[before.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && now[now.size() - suffix].isLowSurrogate())
        --suffix;

    const QStringView head = QStringView(now).left(prefix);
    const QStringView tail = QStringView(now).right(suffix);
    const QString inserted = now.mid(prefix, now.size() - prefix - suffix);
    const qsizetype budget =
        std::max<qsizetype>(limit_, beforeLength) - characterCount(head) - characterCount(tail);
    const qsizetype kept = fittingStart(inserted, std::max<qsizetype>(budget, 0)).size();

    // Deleting the excess as an edit keeps the undo history.
    setSelection(int(prefix + kept), int(inserted.size() - kept));
    del();
    setCursorPosition(int(prefix + kept));
}
