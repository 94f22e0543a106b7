#include "entry/entrybox.h"
#include "entryfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

namespace {

void commitFromInputMethod(QWidget* target, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

void pasteByKeyboard(QWidget* target, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    pressKey(target, Qt::Key_V, Qt::ControlModifier, u"\x16"_qs);
}

} // namespace

TEST(EntryBox, UpperCasesTypedTextButNotPastedText) {
    EntryBox box;
    box.setUpperCasing(true);
    typeText(&box, u"ja1abc"_qs);
    EXPECT_EQ(box.text(), u"JA1ABC"_qs);

    // The input method's committed text is typed as well.
    box.clear();
    commitFromInputMethod(&box, u"ｊａ１"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１"_qs);

    // Pasted, by keyboard or by the edit command, or inserted by the program: as it is.
    box.clear();
    pasteByKeyboard(&box, u"ja2xyz"_qs);
    EXPECT_EQ(box.text(), u"ja2xyz"_qs);
    box.clear();
    QGuiApplication::clipboard()->setText(u"ja3q"_qs);
    box.paste();
    EXPECT_EQ(box.text(), u"ja3q"_qs);
    box.insert(u"r"_qs);
    EXPECT_EQ(box.text(), u"ja3qr"_qs);

    // Typing into the middle keeps the rest as it is.
    box.setCursorPosition(2);
    typeText(&box, u"x"_qs);
    EXPECT_EQ(box.text(), u"jaX3qr"_qs);

    // Other boxes take typed text unchanged.
    EntryBox plain;
    typeText(&plain, u"ja1abc"_qs);
    EXPECT_EQ(plain.text(), u"ja1abc"_qs);
}

TEST(EntryBox, DoubleByteCharactersCountTwiceTowardsTheLimit) {
    EntryBox box;
    box.setByteLimit(17);
    typeText(&box, u"山田太郎山田太郎山田"_qs); // 10 kanji, 20 bytes
    EXPECT_EQ(box.text(), u"山田太郎山田太郎"_qs);
    typeText(&box, u"山"_qs);
    EXPECT_EQ(box.text(), u"山田太郎山田太郎"_qs);
    typeText(&box, u"ab"_qs); // one single byte still fits
    EXPECT_EQ(box.text(), u"山田太郎山田太郎a"_qs);

    // Half-width katakana take one byte each.
    EntryBox kana;
    kana.setByteLimit(5);
    typeText(&kana, u"ﾔﾏﾀﾞﾀﾛｳ"_qs);
    EXPECT_EQ(kana.text(), u"ﾔﾏﾀﾞﾀ"_qs);

    // A paste is cut to what fits, at the place it went in; the rest stays.
    EntryBox pasted;
    pasted.setByteLimit(9);
    pasted.setText(u"ab"_qs);
    pasted.setCursorPosition(1);
    QGuiApplication::clipboard()->setText(u"一二三四五"_qs);
    pasted.paste();
    EXPECT_EQ(pasted.text(), u"a一二三b"_qs);
    EXPECT_EQ(pasted.cursorPosition(), 4);
    pasteByKeyboard(&pasted, u"xy"_qs); // one byte was left
    EXPECT_EQ(pasted.text(), u"a一二三xb"_qs);
    pasteByKeyboard(&pasted, u"z"_qs);
    EXPECT_EQ(pasted.text(), u"a一二三xb"_qs);

    // So is a commit from the input method.
    EntryBox composed;
    composed.setByteLimit(4);
    commitFromInputMethod(&composed, u"免許番号"_qs);
    EXPECT_EQ(composed.text(), u"免許"_qs);
}

TEST(EntryBox, TextLongerThanTheLimitSetByTheProgramIsShownWholeAndNeverGrows) {
    EntryBox box;
    box.setByteLimit(7);
    box.setText(u"ＪＡ１ＡＢＣ"_qs); // 12 bytes
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
    typeText(&box, u"D"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
    // Replacing a character by one no longer is fine.
    box.setSelection(5, 1);
    typeText(&box, u"d"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢd"_qs);
    // Deleting is always possible, and undo gives back what was deleted.
    box.setSelection(0, 6);
    pressKey(&box, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(box.text(), QString());
    pressKey(&box, Qt::Key_Z, Qt::ControlModifier, u"\x1a"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢd"_qs);
    // A paste over a selection may fill at most the space the box already takes.
    box.selectAll();
    QGuiApplication::clipboard()->setText(u"ＪＡ１ＡＢＣＤＥ"_qs);
    box.paste();
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢ"_qs);
}

TEST(EntryBox, InputModesBecomeInputMethodHints) {
    EntryBox box;
    box.setInputMode(EntryBox::InputMode::Off);
    EXPECT_FALSE(box.testAttribute(Qt::WA_InputMethodEnabled));
    box.setInputMode(EntryBox::InputMode::Hiragana);
    EXPECT_TRUE(box.testAttribute(Qt::WA_InputMethodEnabled));
    box.setInputMode(EntryBox::InputMode::FullWidthAlphanumeric);
    box.setUpperCasing(true);
    EXPECT_TRUE(box.inputMethodHints().testFlag(Qt::ImhPreferUppercase));
    EXPECT_TRUE(box.inputMethodHints().testFlag(Qt::ImhPreferLatin));
    box.setUpperCasing(false);
    EXPECT_FALSE(box.inputMethodHints().testFlag(Qt::ImhPreferUppercase));
}
