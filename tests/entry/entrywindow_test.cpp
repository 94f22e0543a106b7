#include "entry/editstationdialog.h"
#include "entry/newstationdialog.h"
#include "entryfixture.h"
#include "platform/gui/spinbutton.h"
#include "platform/gui/twips.h"
#include "record/datafile.h"
#include "record/eradate.h"
#include "support/tempfolder.h"
#include "support/typedate.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <memory>

namespace {

// What differs between the two dialogs for the behaviour they share: the name, the button that
// stores, how the required-field message names the station address, where the window's place
// is kept, the box limits, what a screen reader calls the club's kana box, and how many
// half-width characters (or half-width katakana) each box takes.
struct Dialog {
    const char* name;
    const char16_t* submitButton;
    const char16_t* addressPiece;
    qint32 SettingsValues::*left;
    qint32 SettingsValues::*top;
    std::vector<int> limits;
    const char16_t* clubKanaName;
    std::vector<int> halfWidthRoom;
};

const std::vector<int> kNewLimits{13, 21, 17, 21, 9, 26, 26, 26, 50, 17, 21, 9, 26, 26, 17};
const std::vector<int> kEditLimits{7, 12, 13, 20, 9, 26, 26, 26, 50, 17, 21, 9, 26, 26, 17};
// What the data file keeps, where the dialog's own limit is not lower: the call sign and the
// licence number are stored widened.
const std::vector<int> kFullWidthRoom{6, 10, 8, 10, 4, 25, 25, 25, 25, 8, 10, 4, 25, 25, 7};
const Dialog kNew{
    "NewStationDialog",      u"registerButton",
    u"設置(常置)場所1",      &SettingsValues::NewLeft,
    &SettingsValues::NewTop, kNewLimits,
    u"社団名カナ",           {6, 10, 16, 20, 8, 26, 26, 26, 50, 16, 20, 8, 26, 26, 15}};
const Dialog kEdit{
    "EditStationDialog",      u"overwriteButton",
    u"設置(常置)場所\u3000",  &SettingsValues::EditLeft,
    &SettingsValues::EditTop, kEditLimits,
    u"社団名フリガナ",        {6, 10, 13, 20, 8, 26, 26, 26, 50, 16, 20, 8, 26, 26, 15}};

void PrintTo(const Dialog& dialog, std::ostream* out) {
    *out << dialog.name;
}

class BothDialogs : public ::testing::TestWithParam<Dialog>, public EntryHarness {
protected:
    // The edit dialog shows row 1.
    std::unique_ptr<EntryWindow> open() {
        state.store.CurrentIndex = 1;
        std::unique_ptr<EntryWindow> dialog;
        if (GetParam().name == kNew.name)
            dialog = std::make_unique<NewStationDialog>(state, prompter, clock, *this);
        else
            dialog = std::make_unique<EditStationDialog>(state, prompter, *this);
        dialog->show();
        return dialog;
    }
    // "登　録" or "上　書".
    static void submit(EntryWindow& dialog) {
        dialog.findChild<QPushButton*>(QString::fromUtf16(GetParam().submitButton))->click();
    }
};

} // namespace

TEST_P(BothDialogs, BoxesTakeTheirLimitsAndCaptionsEndShortOfTheirBoxes) {
    auto dialog = open();
    std::vector<int> limits;
    for (size_t i = 0; i < dialog->fieldBoxes.size(); ++i) {
        limits.push_back(dialog->fieldBoxes[i]->inputLimit());
        EXPECT_EQ(dialog->fieldBoxes[i]->upperCasing(), i < 2) << i;
        EXPECT_LE(dialog->fieldCaptions[i]->fontMetrics().horizontalAdvance(
                      dialog->fieldCaptions[i]->text()),
                  dialog->fieldCaptions[i]->width());
        EXPECT_LT(dialog->fieldCaptions[i]->geometry().right() + 1,
                  dialog->fieldBoxes[i]->geometry().left());
        // One caption size for the whole dialog, however long each caption is.
        EXPECT_EQ(dialog->fieldCaptions[i]->font(), dialog->fieldCaptions[0]->font()) << i;
    }
    EXPECT_EQ(limits, GetParam().limits);
    EXPECT_EQ(dialog->findChild<QLabel*>(u"expiryDateCaption"_qs)->font(),
              dialog->fieldCaptions[0]->font());
    EXPECT_EQ(dialog->expiryDateDisplay->font(),
              dialog->fieldBoxes[0]->font()); // the date reads as a box
}

// What a screen reader says for each box, the station type, the date and its spin buttons: the
// caption beside it, with whose it is where both frames show the same caption.
TEST_P(BothDialogs, EveryBoxAndSpinButtonIsNamedByItsCaption) {
    auto dialog = open();
    std::vector<QWidget*> widgets(dialog->fieldBoxes.begin(), dialog->fieldBoxes.end());
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
    for (size_t i = 0; i < dialog->fieldBoxes.size(); ++i)
        EXPECT_EQ(dialog->fieldCaptions[i]->buddy(), dialog->fieldBoxes[i]) << i;
    // The date itself is read as the display's description, also after a step.
    dialog->stepExpiry(2, +1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog->expiryDateDisplay)
                  ->text(QAccessible::Description),
              dialog->expiryDateDisplay->text());
}

// Tab leads from the licence number through the date to the spin buttons; Up and Space step
// up, Down and Shift+Space down, other keys nothing.
TEST_P(BothDialogs, SpinButtonsAreReachedWithTabAndStepWithKeys) {
    loadThree();
    auto dialog = open();
    dialog->activateWindow();
    QApplication::processEvents(); // the window system makes it the active window
    dialog->fieldBoxes[1]->setFocus();
    pressKey(dialog->fieldBoxes[1], Qt::Key_Tab, Qt::NoModifier);
    ASSERT_EQ(QApplication::focusWidget(), dialog->expiryDateDisplay);
    typeDate(dialog->expiryDateDisplay, u"2024/6/30"_qs, false); // taken on leaving the box
    pressKey(dialog->expiryDateDisplay, Qt::Key_Tab, Qt::NoModifier);
    SpinButton* year = dialog->expirySpinButtons[0];
    ASSERT_EQ(QApplication::focusWidget(), year);
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和6年06月30日"_qs);
    pressKey(year, Qt::Key_Tab, Qt::NoModifier);
    ASSERT_EQ(QApplication::focusWidget(), dialog->expirySpinButtons[1]);

    pressKey(year, Qt::Key_Space, Qt::NoModifier, u" "_qs);
    pressKey(year, Qt::Key_Up, Qt::NoModifier);
    pressKey(year, Qt::Key_A, Qt::NoModifier, u"a"_qs);
    pressKey(year, Qt::Key_Space, Qt::ControlModifier, u" "_qs);
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和8年06月30日"_qs);
    pressKey(dialog->expirySpinButtons[2], Qt::Key_Down, Qt::NoModifier);
    pressKey(dialog->expirySpinButtons[2], Qt::Key_Space, Qt::ShiftModifier, u" "_qs);
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和8年06月28日"_qs);
}

TEST_P(BothDialogs, EveryCombinationOfEmptyRequiredFieldsAndUnstorableTextIsRefused) {
    loadThree();
    const std::vector<StationRecord> before = state.store.records();
    auto dialog = open();
    const std::array<QString, 4> pieces{u"コールサイン\u0020\u0020"_qs, u"免許番号\u3000"_qs,
                                        u"氏名\u3000"_qs,
                                        QString::fromUtf16(GetParam().addressPiece)};
    const std::array<size_t, 4> boxes{0, 1, 2, 5};
    for (int empty = 1; empty < 16; ++empty) {
        fillValid(*dialog);
        QString expected;
        for (size_t k = 0; k < 4; ++k) {
            if (empty & (1 << k)) {
                // Half-width spaces alone count as empty.
                dialog->fieldBoxes[boxes[k]]->setText((empty + k) % 2 ? u"  "_qs : QString());
                expected += pieces[k];
            }
        }
        const entryform::Texts entered = dialog->texts();
        prompter.nextAnswer(Prompter::Answer::Ok);
        submit(*dialog);
        EXPECT_EQ(prompter.lastMessage()->text, expected + u"を入力してください"_qs) << empty;
        EXPECT_EQ(dialog->texts(), entered);
    }
    EXPECT_EQ(prompter.lastMessage()->title, u"Velmora"_qs);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::Ok);

    // Text the data file cannot hold is refused naming its box.
    const std::vector<std::tuple<size_t, QString, QString>> unstorable{
        {2, u"𠮷田"_qs, u"「氏名」"_qs},
        {13, u"ハイツ😀"_qs, u"「申請書住所2」"_qs},
        {0, u"JA1é"_qs, u"「コールサイン」"_qs}};
    for (const auto& [box, text, name] : unstorable) {
        fillValid(*dialog);
        dialog->fieldBoxes[box]->setText(text);
        prompter.nextAnswer(Prompter::Answer::Ok);
        submit(*dialog);
        EXPECT_TRUE(prompter.lastMessage()->text.startsWith(name));
    }
    EXPECT_EQ(prompter.messages().size(), 18u);
    EXPECT_EQ(state.store.records(), before);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(calls.empty());

    // An ideographic space is text; the other boxes may stay empty.
    fillValid(*dialog);
    for (size_t box : {0, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14})
        dialog->fieldBoxes[box]->setText(box == 0 ? u"\u3000"_qs : QString());
    submit(*dialog);
    EXPECT_EQ(state.store.WorkRecord.trimmed(Field::CallSign), u"\u3000"_qs);
    EXPECT_EQ(state.store.Modified, 1);
}

TEST_P(BothDialogs, OpensAtItsPlaceAndClosingStoresItThenSortsAndColoursOnce) {
    load({station(u"ＪＡ２ＢＢＢ"_qs, QDate(2026, 6, 30)),
          station(u"ＪＡ１ＡＡＡ"_qs, QDate(2024, 4, 20))});
    SettingsValues& s = state.settings;
    s.*GetParam().left = 1500;
    s.*GetParam().top = 900;
    auto dialog = open();
    EXPECT_EQ(dialog->frameGeometry().topLeft(),
              QPoint(twips::toPixels(1500, dialog->logicalDpiX()),
                     twips::toPixels(900, dialog->logicalDpiX())));
    dialog->fieldBoxes[2]->setText(u"変更"_qs); // dropped without a question
    dialog->move(150, 75);
    dialog->findChild<QPushButton*>(u"cancelButton"_qs)->click(); // "キャンセル"
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(calls, (std::vector<std::string>{"sortByExpiry", "colourByExpiry"}));
    EXPECT_EQ(callSigns(), (std::vector<QString>{u"ＪＡ１ＡＡＡ"_qs, u"ＪＡ２ＢＢＢ"_qs}));
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.seen().empty());
    EXPECT_EQ(s.*GetParam().left, qRound(150 * 1440.0 / dialog->logicalDpiX()));
    EXPECT_EQ(s.*GetParam().top, qRound(75 * 1440.0 / dialog->logicalDpiY()));
    dialog->close(); // already closed: nothing runs again
    EXPECT_EQ(calls.size(), 2u);
}

// Every box at its room and one past it, in full width, half width and half-width katakana:
// typing stops at the room, the dialog stores it, and a save and a reopen give back what the
// dialog stored, nothing cut.
TEST_P(BothDialogs, EveryBoxTakesWhatItsFieldKeepsAndTheFileGivesItBack) {
    loadThree();
    const std::vector<std::pair<QChar, const std::vector<int>*>> kinds{
        {u'あ', &kFullWidthRoom},
        {u'1', &GetParam().halfWidthRoom},
        {u'ｱ', &GetParam().halfWidthRoom}};
    TempFolder folder;
    for (const auto& [character, room] : kinds) {
        auto dialog = open();
        for (size_t i = 0; i < entryform::kBoxCount; ++i) {
            EntryBox* box = dialog->fieldBoxes[i];
            box->clear();
            typeText(box, QString((*room)[i] + 1, character));
            EXPECT_EQ(box->text(), QString((*room)[i], character))
                << i << " " << qPrintable(QString(character));
        }
        const entryform::Texts entered = dialog->texts();
        submit(*dialog);
        ASSERT_TRUE(prompter.seen().empty()) << qPrintable(prompter.lastMessage()->text);

        const QString path = folder.file(u"entry.stn"_qs);
        ASSERT_TRUE(datafile::writeFile(path, state.store.records()));
        const std::vector<StationRecord> reread = datafile::readFile(path).records;
        EXPECT_EQ(reread, state.store.records());
        const StationRecord& stored = state.store.WorkRecord;
        EXPECT_NE(std::find(reread.begin(), reread.end(), stored), reread.end());
        for (int i = 0; i < entryform::kBoxCount; ++i)
            EXPECT_EQ(stored.trimmed(entryform::fieldOfBox(i)),
                      entryform::asStored(i, entered[size_t(i)]))
                << i;
    }
}

// Text set longer than its field keeps (as a record from elsewhere may hold it) is refused on
// storing, naming the field and its room; nothing is stored.
TEST_P(BothDialogs, TextLongerThanItsFieldKeepsIsRefusedNamingTheFieldAndItsRoom) {
    loadThree();
    const std::vector<StationRecord> before = state.store.records();
    auto dialog = open();
    const std::vector<std::tuple<size_t, QString, QString>> cases{
        {1, u"東海ア第1234567号"_qs, u"「免許番号」は全角10文字（20バイト）までです。"_qs},
        {0, u"JA1ABCD"_qs, u"「コールサイン」は全角6文字（12バイト）までです。"_qs},
        {5, QString(26, u'あ'), u"「設置(常置)場所1」は全角25文字（50バイト）までです。"_qs},
        {9, u"山田山田山田山田山"_qs, u"「申請者氏名」は全角8文字（16バイト）までです。"_qs},
        {14, u"03-1234-5678-901"_qs, u"「電話番号」は全角7文字（15バイト）までです。"_qs},
    };
    for (const auto& [box, text, message] : cases) {
        fillValid(*dialog);
        dialog->fieldBoxes[box]->setText(text);
        prompter.nextAnswer(Prompter::Answer::Ok);
        submit(*dialog);
        EXPECT_EQ(prompter.lastMessage()->text, message);
        EXPECT_EQ(dialog->fieldBoxes[box]->text(), text);
    }
    EXPECT_EQ(state.store.records(), before);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(dialog->isVisible());
}

// "申請者に同じ" copies the holder's name, reading, postal code and address; it stands clear of
// every other control of the applicant's frame.
TEST_P(BothDialogs, SameAsHolderCopiesTheHoldersNameAndAddress) {
    auto dialog = open();
    fillValid(*dialog);
    dialog->sameAsHolderButton->click();
    entryform::Texts expected = EntryHarness::validTexts();
    for (const auto& [holder, applicant] : entryform::kHolderToApplicant)
        expected[size_t(applicant)] = expected[size_t(holder)];
    EXPECT_EQ(dialog->texts(), expected);
    const QRect button = dialog->sameAsHolderButton->geometry();
    EXPECT_TRUE(dialog->applicantFrame->rect().contains(button));
    for (QWidget* other :
         dialog->applicantFrame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != dialog->sameAsHolderButton) {
            EXPECT_FALSE(button.intersects(other->geometry())) << qPrintable(other->objectName());
        }
    }
}

// A date typed in any accepted form is shown as the register shows dates and stored; a day that
// does not exist or a text that is no date is refused with its message and the date before
// stays; the spin buttons step on from a typed date, finished or not.
TEST_P(BothDialogs, TakesATypedExpiryAndRefusesADayThatDoesNotExist) {
    loadThree();
    const std::pair<const char16_t*, QDate> forms[] = {
        {u"令和10年6月30日", QDate(2028, 6, 30)},    {u"R10.6.30", QDate(2028, 6, 30)},
        {u"2028-06-30", QDate(2028, 6, 30)},         {u"2028/6/30", QDate(2028, 6, 30)},
        {u"２０２８／６／３０", QDate(2028, 6, 30)}, {u"Ｈ３１．４．３０", QDate(2019, 4, 30)},
        {u"令和元年5月1日", QDate(2019, 5, 1)}};
    for (const auto& [typed, day] : forms) {
        auto dialog = open();
        fillValid(*dialog);
        typeDate(dialog->expiryDateDisplay, QString::fromUtf16(typed));
        EXPECT_EQ(dialog->expiryDateDisplay->text(), FormatEraDate(day));
        submit(*dialog);
        EXPECT_EQ(state.store.WorkRecord.expiry(), day) << qPrintable(QString::fromUtf16(typed));
    }
    ASSERT_TRUE(prompter.seen().empty());

    auto dialog = open();
    typeDate(dialog->expiryDateDisplay, u"2028/6/30"_qs);
    const std::pair<const char16_t*, const char16_t*> refused[] = {
        {u"2026-02-30", u"「2026-02-30」という日はありません。"},
        {u"令和6年2月30日", u"「令和6年2月30日」という日はありません。"},
        {u"6月30日", u"「6月30日」は日付として読めません。"}};
    for (const auto& [typed, message] : refused) {
        prompter.nextAnswer(Prompter::Answer::Ok);
        typeDate(dialog->expiryDateDisplay, QString::fromUtf16(typed));
        EXPECT_EQ(prompter.lastMessage()->text, QString::fromUtf16(message));
        EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和10年06月30日"_qs);
    }
    dialog->expirySpinButtons[2]->upButton()->click();
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和10年07月01日"_qs);
    typeDate(dialog->expiryDateDisplay, u"2028-01-31"_qs, false);
    dialog->expirySpinButtons[1]->upButton()->click();
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和10年02月29日"_qs);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog->expiryDateDisplay)
                  ->text(QAccessible::Description),
              u"令和10年02月29日"_qs);
    EXPECT_EQ(prompter.messages().size(), std::size(refused));
}

INSTANTIATE_TEST_SUITE_P(Entry, BothDialogs, ::testing::Values(kNew, kEdit),
                         [](const auto& info) { return std::string(info.param.name); });
