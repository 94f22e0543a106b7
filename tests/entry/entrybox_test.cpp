// The entry box: upper-casing what is typed, and the limits in characters and in stored bytes
// for typing, pasting and the input method.
#include "entryfixture.h"
#include "platform/width.h"

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
    commitFromInputMethod(&box, u"ｊａ１"_qs); // the input method's committed text is typed too
    EXPECT_EQ(box.text(), u"JA1ABCＪＡ１"_qs);
    // Pasted, by keyboard or by the edit command: as it is; typing in the middle keeps the rest.
    box.clear();
    pasteByKeyboard(&box, u"ja2xyz"_qs);
    box.paste();
    box.setCursorPosition(2);
    typeText(&box, u"q"_qs);
    EXPECT_EQ(box.text(), u"jaQ2xyzja2xyz"_qs);
}

// The character limit counts characters whatever their width; the byte limit counts the code
// page 932 bytes of the text as it will be stored (widened where the box widens), which is what
// the data file keeps. Whichever is reached first stops typing (each box at both limits is the
// dialogs' test).
TEST(EntryBox, TypingStopsAtTheCharacterOrTheStoredByteLimit) {
    // Characters, bytes, widened, typed, shown.
    const std::vector<std::tuple<int, int, bool, QString, QString>> cases{
        {7, 0, false, u"ＪＡ１ＡＢＣＤＥ"_qs, u"ＪＡ１ＡＢＣＤ"_qs},
        {5, 0, false, u"ﾔﾏﾀﾞﾀﾛｳ"_qs, u"ﾔﾏﾀﾞﾀ"_qs}, // the sound mark is a character of its own
        {13, 12, true, u"ｱｲｳｴｵｶｷ"_qs, u"ｱｲｳｴｵｶ"_qs},
        {13, 12, true, u"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞ"_qs, u"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞ"_qs},      // ｶﾞ widens to one ガ
        {17, 16, false, u"一二三四五六七8"_qs, u"一二三四五六七8"_qs}, // 15 bytes
    };
    for (const auto& [characters, bytes, widened, typed, shown] : cases) {
        EntryBox box;
        box.setInputLimit(characters);
        box.setStoredByteLimit(bytes, widened ? width::toFullWidth
                                              : std::function<QString(const QString&)>());
        typeText(&box, typed);
        EXPECT_EQ(box.text(), shown) << qPrintable(typed);
    }
    // A paste is cut to what fits, at the place it went in; the rest stays.
    for (const auto& [characters, bytes] : {std::pair{5, 0}, std::pair{0, 8}}) {
        EntryBox box;
        box.setInputLimit(characters);
        box.setStoredByteLimit(bytes);
        box.setText(u"ab"_qs);
        box.setCursorPosition(1);
        pasteByKeyboard(&box, u"一二三四五"_qs);
        EXPECT_EQ(box.text(), u"a一二三b"_qs) << bytes;
        EXPECT_EQ(box.cursorPosition(), 4);
    }
    // So is a commit from the input method; a pair of surrogates is one character.
    EntryBox composed;
    composed.setInputLimit(4);
    commitFromInputMethod(&composed, u"𠮷野家です"_qs);
    EXPECT_EQ(composed.text(), u"𠮷野家で"_qs);
}

// Text set longer by the program is shown whole and takes edits that do not make it longer;
// deleting is always possible, and undo gives back what was deleted.
TEST(EntryBox, TextLongerThanTheLimitSetByTheProgramIsShownWholeAndNeverGrows) {
    EntryBox box;
    box.setInputLimit(4);
    box.setText(u"ＪＡ１ＡＢＣ"_qs);
    typeText(&box, u"D"_qs);
    box.selectAll();
    pressKey(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), QString());
    pressKey(&box, Qt::Key_Z, Qt::ControlModifier, u"\x1a"_qs);
    EXPECT_EQ(box.text(), u"ＪＡ１ＡＢＣ"_qs);
    // A paste over a selection may fill at most the space the box already takes.
    box.selectAll();
    QGuiApplication::clipboard()->setText(u"一二三四五六七八"_qs);
    box.paste();
    EXPECT_EQ(box.text(), u"一二三四五六"_qs);

    EntryBox bytes;
    bytes.setStoredByteLimit(8);
    bytes.setText(u"一二三四五"_qs);
    bytes.setSelection(4, 1);
    typeText(&bytes, u"六x"_qs);
    EXPECT_EQ(bytes.text(), u"一二三四六"_qs);
}
