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
    // Pasted, by keyboard or by the edit command: as it is; typing in the middle keeps the rest.
    box.clear();
    pasteByKeyboard(&box, u"ja2xyz"_qs);
    EXPECT_EQ(box.text(), u"ja2xyz"_qs);
    box.paste();
    box.setCursorPosition(2);
    typeText(&box, u"q"_qs);
    EXPECT_EQ(box.text(), u"jaQ2xyzja2xyz"_qs);
}

TEST(EntryBox, TheLimitCountsCharactersWhateverTheirWidth) {
    const std::vector<std::tuple<int, QString, QString>> cases{
        {7, u"ＪＡ１ＡＢＣＤＥ"_qs, u"ＪＡ１ＡＢＣＤ"_qs}, // a call sign typed in full width
        {7, u"ja1abcdef"_qs, u"ja1abcd"_qs},
        {5, u"ﾔﾏﾀﾞﾀﾛｳ"_qs, u"ﾔﾏﾀﾞﾀ"_qs}, // the sound mark is a character of its own
    };
    for (const auto& [limit, typed, shown] : cases) {
        EntryBox box;
        box.setInputLimit(limit);
        typeText(&box, typed);
        EXPECT_EQ(box.text(), shown);
    }
    // A paste is cut to what fits, at the place it went in; the rest stays.
    EntryBox pasted;
    pasted.setInputLimit(5);
    pasted.setText(u"ab"_qs);
    pasted.setCursorPosition(1);
    pasteByKeyboard(&pasted, u"一二三四五"_qs);
    EXPECT_EQ(pasted.text(), u"a一二三b"_qs);
    EXPECT_EQ(pasted.cursorPosition(), 4);
    // So is a commit from the input method; a pair of surrogates is one character.
    EntryBox composed;
    composed.setInputLimit(4);
    commitFromInputMethod(&composed, u"𠮷野家です"_qs);
    EXPECT_EQ(composed.text(), u"𠮷野家で"_qs);
}

TEST(EntryBox, TextLongerThanTheLimitSetByTheProgramIsShownWholeAndNeverGrows) {
    EntryBox box;
    box.setInputLimit(4);
    box.setText(u"ＪＡ１ＡＢＣ"_qs);
    typeText(&box, u"D"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
    // Deleting is always possible, and undo gives back what was deleted.
    box.selectAll();
    pressKey(&box, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(box.text(), QString());
    pressKey(&box, Qt::Key_Z, Qt::ControlModifier, u"\x1a"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
    // A paste over a selection may fill at most the space the box already takes.
    box.selectAll();
    QGuiApplication::clipboard()->setText(u"一二三四五六七八"_qs);
    box.paste();
    EXPECT_EQ(box.text(), u"一二三四五六"_qs);
}
