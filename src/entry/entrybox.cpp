// The text box of the entry dialogs: its limits, upper-casing and input-method hints.
#include "entry/entrybox.h"

#include "platform/cp932.h"

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

// The longest start of part that, between head and tail, keeps bytes(...) within budget. Stops
// at the first character that does not fit, so spaces that storing trims are not counted before
// what follows them.
qsizetype fittingBytes(const QString& head, const QString& part, const QString& tail,
                       qsizetype budget, const std::function<qsizetype(const QString&)>& bytes) {
    qsizetype fit = 0;
    for (qsizetype end = 0; end < part.size();) {
        const bool pair =
            part[end].isHighSurrogate() && end + 1 < part.size() && part[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
        if (bytes(head + part.left(end) + tail) > budget)
            break;
        fit = end;
    }
    return fit;
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

void EntryBox::setStoredByteLimit(int bytes, std::function<QString(const QString&)> asStored) {
    byteLimit_ = bytes;
    asStored_ = std::move(asStored);
}

qsizetype EntryBox::storedBytes(const QString& text) const {
    return cp932::encodedLength(asStored_ ? asStored_(text) : text);
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
    if (undoing_)
        return;
    const QString before = before_;
    const QString now = text();
    const qsizetype beforeLength = characterCount(before);
    const bool overCharacters =
        limit_ > 0 && characterCount(now) > std::max<qsizetype>(limit_, beforeLength);
    const qsizetype beforeBytes = byteLimit_ > 0 ? storedBytes(before) : 0;
    const bool overBytes =
        byteLimit_ > 0 && storedBytes(now) > std::max<qsizetype>(byteLimit_, beforeBytes);
    if (!overCharacters && !overBytes)
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

    const QString head = now.left(prefix);
    const QString tail = now.right(suffix);
    const QString inserted = now.mid(prefix, now.size() - prefix - suffix);
    qsizetype kept = inserted.size();
    if (limit_ > 0) {
        const qsizetype budget =
            std::max<qsizetype>(limit_, beforeLength) - characterCount(head) - characterCount(tail);
        kept = fittingStart(inserted, std::max<qsizetype>(budget, 0)).size();
    }
    // Cut to the characters first, the bytes are counted over a short text.
    if (byteLimit_ > 0)
        kept = fittingBytes(head, inserted.left(kept), tail,
                            std::max<qsizetype>(byteLimit_, beforeBytes),
                            [this](const QString& t) { return storedBytes(t); });

    // Deleting the excess as an edit keeps the undo history.
    setSelection(int(prefix + kept), int(inserted.size() - kept));
    del();
    setCursorPosition(int(prefix + kept));
}
