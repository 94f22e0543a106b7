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

TEST(EntryBox, TheLimitCountsCharactersWhateverTheirWidth) {
    struct Case {
        int limit;
        const char16_t* typed;
        const char16_t* shown;
    };
    const Case cases[] = {
        {7, u"ＪＡ１ＡＢＣＤＥ", u"ＪＡ１ＡＢＣＤ"}, // a call sign typed in full width
        {7, u"ja1abcdef", u"ja1abcd"},
        {17, u"山田太郎山田太郎山田太郎山田太郎山田", u"山田太郎山田太郎山田太郎山田太郎山"},
        {5, u"ﾔﾏﾀﾞﾀﾛｳ", u"ﾔﾏﾀﾞﾀ"}, // the sound mark is a character of its own
    };
    for (const Case& c : cases) {
        EntryBox box;
        box.setInputLimit(c.limit);
        typeText(&box, QString::fromUtf16(c.typed));
        EXPECT_EQ(box.text(), QString::fromUtf16(c.shown)) << box.text().toStdString();
    }

    // A paste is cut to what fits, at the place it went in; the rest stays.
    EntryBox pasted;
    pasted.setInputLimit(5);
    pasted.setText(u"ab"_qs);
    pasted.setCursorPosition(1);
    QGuiApplication::clipboard()->setText(u"一二三四五"_qs);
    pasted.paste();
    EXPECT_EQ(pasted.text(), u"a一二三b"_qs);
    EXPECT_EQ(pasted.cursorPosition(), 4);
    pasteByKeyboard(&pasted, u"z"_qs);
    EXPECT_EQ(pasted.text(), u"a一二三b"_qs);

    // So is a commit from the input method; a pair of surrogates is one character.
    EntryBox composed;
    composed.setInputLimit(4);
    commitFromInputMethod(&composed, u"𠮷野家です"_qs);
    EXPECT_EQ(composed.text(), u"𠮷野家で"_qs);

    // A full-width call sign as the edit dialog loads it still takes a seventh character.
    EntryBox loaded;
    loaded.setInputLimit(7);
    loaded.setText(u"ＪＡ１ＡＢＣ"_qs);
    typeText(&loaded, u"DE"_qs);
    EXPECT_EQ(loaded.text(), u"ＪＡ１ＡＢＣD"_qs);
}

TEST(EntryBox, TextLongerThanTheLimitSetByTheProgramIsShownWholeAndNeverGrows) {
    EntryBox box;
    box.setInputLimit(4);
    box.setText(u"ＪＡ１ＡＢＣ"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
    typeText(&box, u"D"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
    // Replacing a character by another is fine.
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
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
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
