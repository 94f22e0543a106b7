// What both entry dialogs share, run over each: names and keys, the refusals before storing, the
// window's place, what each box takes, "申請者に同じ" and the typed expiry date.
#include "entryfixture.h"
#include "platform/gui/twips.h"

#include <QAccessible>
#include <QLabel>

namespace {

// What differs between the two dialogs: the button that stores, how the required-field message
// names the station address, where the window's place is kept, what a screen reader calls the
// club's kana box, and how many half-width characters (or half-width katakana) each box takes.
struct Dialog {
    const char* name;
    const char16_t* submitButton;
    const char16_t* addressPiece;
    qint32 SettingsValues::*left;
    qint32 SettingsValues::*top;
    const char16_t* clubKanaName;
    std::vector<int> halfWidthRoom;
};

// What the data file keeps, where the dialog's own limit is not lower: the call sign and the
// licence number are stored widened.
const std::vector<int> kFullWidthRoom{6, 10, 8, 10, 4, 25, 25, 25, 25, 8, 10, 4, 25, 25, 7};
const std::vector<int> kNewRoom{6, 10, 16, 20, 8, 26, 26, 26, 50, 16, 20, 8, 26, 26, 15};
const std::vector<int> kEditRoom{6, 10, 13, 20, 8, 26, 26, 26, 50, 16, 20, 8, 26, 26, 15};
const Dialog kNew{"NewStationDialog",
                  u"registerButton",
                  u"設置(常置)場所1",
                  &SettingsValues::NewLeft,
                  &SettingsValues::NewTop,
                  u"社団名カナ",
                  kNewRoom};
const Dialog kEdit{"EditStationDialog",
                   u"overwriteButton",
                   u"設置(常置)場所\u3000",
                   &SettingsValues::EditLeft,
                   &SettingsValues::EditTop,
                   u"社団名フリガナ",
                   kEditRoom};

class BothDialogs : public ::testing::TestWithParam<Dialog>, public EntryHarness {
protected:
    // The edit dialog shows row 1.
    std::unique_ptr<EntryWindow> open() {
        if (GetParam().name == kNew.name)
            return openNew();
        return openEdit(1);
    }
    // "登　録" or "上　書", the message box answered with OK.
    void submit(EntryWindow& dialog) {
        prompter.nextAnswer(Prompter::Answer::Ok);
        dialog.findChild<QPushButton*>(QString::fromUtf16(GetParam().submitButton))->click();
    }
};

} // namespace

// A screen reader names each box (its caption's buddy), the station type,
// the date and its spin buttons by the caption beside it, with whose it is where both frames show
// the same caption. Tab leads from the licence number through the date to the spin buttons,
// whose keys step the date.
TEST_P(BothDialogs, EveryControlIsNamedAndTheDateIsReachedByKeyboard) {
    loadThree();
    auto dialog = open();
    std::vector<QWidget*> widgets(dialog->fieldBoxes.begin(), dialog->fieldBoxes.end());
    for (size_t i = 0; i < widgets.size(); ++i) {
        EXPECT_EQ(dialog->fieldCaptions[i]->buddy(), widgets[i]) << i;
        EXPECT_EQ(dialog->fieldBoxes[i]->upperCasing(), i < 2) << i;
    }
    widgets.insert(widgets.end(), {dialog->stationTypeBox, dialog->expiryDateDisplay});
    widgets.insert(widgets.end(), dialog->expirySpinButtons.begin(),
                   dialog->expirySpinButtons.end());
    QStringList names;
    for (QWidget* widget : widgets)
        names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    // On Linux a combo box gives its current item as its name, the caption going to the screen
    // reader as its label; its own name is what other systems read.
    names[entryform::kBoxCount] = dialog->stationTypeBox->accessibleName();
    const QStringList expected{
        u"コールサイン"_qs,    u"免許番号"_qs,        u"免許人 氏名"_qs,
        u"免許人 ﾌﾘｶﾞﾅ"_qs,    u"免許人 郵便番号"_qs, u"設置(常置)場所1"_qs,
        u"設置(常置)場所2"_qs, u"社団名"_qs,          QString::fromUtf16(GetParam().clubKanaName),
        u"申請者 氏名"_qs,     u"申請者 ﾌﾘｶﾞﾅ"_qs,    u"申請者 郵便番号"_qs,
        u"申請書住所1"_qs,     u"申請書住所2"_qs,     u"電話番号"_qs,
        u"免許種別"_qs,        u"免許期限日"_qs,      u"免許期限日 年"_qs,
        u"免許期限日 月"_qs,   u"免許期限日 日"_qs};
    EXPECT_EQ(names, expected);

    dialog->activateWindow();
    QApplication::processEvents(); // the window system makes it the active window
    dialog->fieldBoxes[1]->setFocus();
    pressKey(dialog->fieldBoxes[1], Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog->expiryDateDisplay);
    typeDate(dialog->expiryDateDisplay, u"2024/6/30"_qs, false); // taken on leaving the box
    pressKey(dialog->expiryDateDisplay, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog->expirySpinButtons[0]);
    // The keys themselves are the spin button's (UpDown's tests); here they reach the date.
    pressKey(dialog->expirySpinButtons[0], Qt::Key_Up);
    // The date itself is read as the display's description, also after a step.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog->expiryDateDisplay)
                  ->text(QAccessible::Description),
              u"令和7年06月30日"_qs);
}

// Every combination of empty required boxes is named in one message; text the data file cannot
// hold, or more than its field keeps, is refused naming its box as the dialog captions it.
// Nothing is stored until everything is right; an ideographic space is text. "申請者に同じ" fills
// the applicant's boxes on the way.
TEST_P(BothDialogs, RefusesEmptyRequiredBoxesAndTextTheFileCannotHold) {
    loadThree();
    const std::vector<StationRecord> before = state.store.records();
    auto dialog = open();
    const QString pieces[] = {u"コールサイン\u0020\u0020"_qs, u"免許番号\u3000"_qs,
                              u"氏名\u3000"_qs, QString::fromUtf16(GetParam().addressPiece)};
    const size_t required[] = {0, 1, 2, 5};
    for (int empty = 1; empty < 16; ++empty) {
        fillValid(*dialog);
        QString expected;
        for (size_t k = 0; k < 4; ++k) {
            if (empty & (1 << k)) {
                // Half-width spaces alone count as empty.
                dialog->fieldBoxes[required[k]]->setText((empty + k) % 2 ? u"  "_qs : QString());
                expected += pieces[k];
            }
        }
        submit(*dialog);
        EXPECT_EQ(prompter.lastMessage()->text, expected + u"を入力してください"_qs) << empty;
    }
    // The messages themselves are entryform's; here a character and an overlong text reach them,
    // named as this dialog names the box.
    const std::vector<std::tuple<size_t, QString, QString>> refused{
        {2, u"𠮷田"_qs,
         u"「氏名」にデータファイルに保存できない文字「𠮷」(U+20BB7)があります。別の文字に"
         u"置き換えてください。"_qs},
        {9, u"山田山田山田山田山"_qs, u"「申請者氏名」は全角8文字（16バイト）までです。"_qs}};
    for (const auto& [box, text, message] : refused) {
        fillValid(*dialog);
        dialog->fieldBoxes[box]->setText(text);
        submit(*dialog);
        EXPECT_EQ(prompter.lastMessage()->text, message);
    }
    EXPECT_EQ(state.store.records(), before);
    EXPECT_TRUE(dialog->isVisible());

    // "申請者に同じ" copies the holder's name, reading, postal code and address lines.
    fillValid(*dialog);
    dialog->sameAsHolderButton->click();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dialog->fieldBoxes[size_t(9 + i)]->text(), validTexts()[size_t(2 + i)]) << i;
    for (size_t box : {0, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14})
        dialog->fieldBoxes[box]->setText(box == 0 ? u"\u3000"_qs : QString());
    submit(*dialog);
    EXPECT_EQ(state.store.WorkRecord.trimmed(Field::CallSign), u"\u3000"_qs);
    EXPECT_EQ(state.store.Modified, 1);
}

// The window opens where it was last closed; however it closes, unsaved text is dropped without a
// question, its place is kept and the main window sorts and colours, once.
TEST_P(BothDialogs, OpensAtItsPlaceAndClosingStoresItThenSortsAndColoursOnce) {
    loadThree();
    SettingsValues& s = state.settings;
    s.*GetParam().left = 1500;
    s.*GetParam().top = 900;
    auto dialog = open();
    const int dpi = dialog->logicalDpiX();
    EXPECT_EQ(dialog->frameGeometry().topLeft(),
              QPoint(twips::toPixels(1500, dpi), twips::toPixels(900, dpi)));
    dialog->fieldBoxes[2]->setText(u"変更"_qs);
    dialog->move(150, 75);
    dialog->findChild<QPushButton*>(u"cancelButton"_qs)->click(); // "キャンセル"
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(calls, (std::vector<std::string>{"sortByExpiry", "colourByExpiry"}));
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.seen().empty());
    EXPECT_EQ(s.*GetParam().left, qRound(150 * 1440.0 / dpi));
    EXPECT_EQ(s.*GetParam().top, qRound(75 * 1440.0 / dialog->logicalDpiY()));
    dialog->close(); // already closed: nothing runs again
    EXPECT_EQ(calls.size(), 2u);
}

// Every box at its room and one past it, in full width, half width and half-width katakana:
// typing stops at the room, and the record keeps all of it, nothing cut.
TEST_P(BothDialogs, EveryBoxTakesWhatItsFieldKeeps) {
    loadThree();
    const std::vector<std::pair<QChar, const std::vector<int>*>> kinds{
        {u'あ', &kFullWidthRoom},
        {u'1', &GetParam().halfWidthRoom},
        {u'ｱ', &GetParam().halfWidthRoom}};
    for (const auto& [character, room] : kinds) {
        auto dialog = open();
        for (size_t i = 0; i < entryform::kBoxCount; ++i) {
            EntryBox* box = dialog->fieldBoxes[i];
            box->clear();
            typeText(box, QString((*room)[i] + 1, character));
            EXPECT_EQ(box->text(), QString((*room)[i], character)) << i;
        }
        const entryform::Texts entered = dialog->texts();
        submit(*dialog);
        ASSERT_TRUE(prompter.seen().empty()) << qPrintable(prompter.lastMessage()->text);
        for (int i = 0; i < entryform::kBoxCount; ++i)
            EXPECT_EQ(state.store.WorkRecord.trimmed(entryform::fieldOfBox(i)),
                      entryform::asStored(i, entered[size_t(i)]))
                << i;
    }
}

// A typed date is stored whether Return finished it or the store button did; a text that is no
// date is refused at storing, nothing stored. A day that does not exist at Return is the date
// box's (the print dialog's tests); the reading is typeddate's.
TEST_P(BothDialogs, TakesATypedExpiryFinishedOrNotAndRefusesATextThatIsNoDate) {
    loadThree();
    for (const bool finish : {true, false}) {
        auto dialog = open();
        fillValid(*dialog);
        typeDate(dialog->expiryDateDisplay, u"Ｈ３１．４．３０"_qs, finish);
        submit(*dialog);
        EXPECT_EQ(state.store.WorkRecord.expiry(), QDate(2019, 4, 30)) << finish;
    }
    const std::vector<StationRecord> before = state.store.records();
    auto dialog = open();
    fillValid(*dialog);
    typeDate(dialog->expiryDateDisplay, u"6月30日"_qs, false);
    submit(*dialog);
    EXPECT_EQ(prompter.messages(), std::vector<QString>{u"「6月30日」は日付として読めません。"_qs});
    EXPECT_EQ(state.store.records(), before);
    // A spin button steps on from a date still being typed.
    typeDate(dialog->expiryDateDisplay, u"2028-01-31"_qs, false);
    dialog->expirySpinButtons[1]->upButton()->click();
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和10年02月29日"_qs);
}

INSTANTIATE_TEST_SUITE_P(Entry, BothDialogs, ::testing::Values(kNew, kEdit),
                         [](const auto& info) { return std::string(info.param.name); });
