#include "record/searchtext.h"

namespace search {

namespace {

// Folds text in place; keeps kKeySeparator when keepSeparator is set.
void foldInPlace(QString& text, bool keepSeparator) {
    text = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    QChar* data = text.data();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = data[i].unicode();
        if (c == kKeySeparator && keepSeparator) {
            data[kept++] = c;
            continue;
        }
        if (QChar::isSpace(c) || QChar::category(c) == QChar::Other_Control)
            continue;
        if (c >= 0x30A1 && c <= 0x30F6)
            c -= 0x60; // katakana to the hiragana of the same sound
        data[kept++] = c;
    }
    text.truncate(kept);
}

} // namespace

QString fold(QStringView text) {
    QString folded = text.toString();
    foldInPlace(folded, false);
    return folded;
}

QString foldedKey(std::initializer_list<QStringView> texts) {
    qsizetype length = qsizetype(texts.size());
    for (QStringView text : texts)
        length += text.size();
    QString key;
    key.reserve(length);
    bool first = true;
    for (QStringView text : texts) {
        if (!first)
            key += QChar(kKeySeparator);
        key += text;
        first = false;
    }
    // One normalisation per key: a register is keyed in one pass of whole strings.
    foldInPlace(key, true);
    return key;
}

} // namespace search
