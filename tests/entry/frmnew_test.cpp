#include "entry/frmnew.h"
#include "entryfixture.h"
#include "platform/gui/spinbutton.h"
#include "record/eradate.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

class NewRegistrationTest : public EntryTest {
protected:
    std::unique_ptr<frmNew> open() {
        auto dialog = std::make_unique<frmNew>(state, prompter, clock, *this);
        dialog->show();
        return dialog;
    }
};

} // namespace

TEST_F(NewRegistrationTest, LayoutNamesAndCaptions) {
    auto dialog = open();
    EXPECT_EQ(dialog->objectName(), u"frmNew"_qs);
    EXPECT_EQ(dialog->windowTitle(), u"新規登録"_qs);
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dialog->size(), QSize(px(*dialog, 12765), px(*dialog, 6195)));

    const QGroupBox* left = dialog->findChild<QGroupBox*>(u"Frame1_0"_qs);
    const QGroupBox* right = dialog->findChild<QGroupBox*>(u"Frame1_1"_qs);
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->title(), u"免許状登録データ"_qs);
    EXPECT_EQ(right->title(), u"再免許申請者のデータ"_qs);
    EXPECT_EQ(left->geometry(),
              QRect(px(*left, 120), px(*left, 120), px(*left, 6255), px(*left, 5295)));
    EXPECT_EQ(right->geometry().x(), px(*right, 6600));

    // Every box by its name, in its frame, with its limit.
    const std::array<int, 15> limits{13, 21, 17, 21, 9, 26, 26, 26, 50, 17, 21, 9, 26, 26, 17};
    for (int i = 0; i < 15; ++i) {
        auto* box = dialog->findChild<EntryBox*>(u"Text1_%1"_qs.arg(i));
        ASSERT_EQ(box, dialog->Text1[size_t(i)]) << i;
        EXPECT_EQ(box->parentWidget(), i < 9 ? left : right) << i;
        EXPECT_EQ(box->inputLimit(), limits[size_t(i)]) << i;
        EXPECT_EQ(box->height(), px(*box, 324)) << i;
        EXPECT_EQ(box->upperCasing(), i < 2) << i;
        EXPECT_EQ(box->font().pointSizeF(), 10.5);
        EXPECT_EQ(dialog->findChild<QLabel*>(u"Label2_%1"_qs.arg(i)), dialog->Label2[size_t(i)]);
    }
    EXPECT_EQ(dialog->Text1[3]->geometry(),
              QRect(px(*left, 4200), px(*left, 2280), px(*left, 1695), px(*left, 324)));
    EXPECT_EQ(dialog->Text1[12]->geometry().topLeft(), QPoint(px(*left, 1440), px(*left, 1440)));
    EXPECT_EQ(dialog->Label2[3]->x(), px(*left, 3600));
    EXPECT_EQ(dialog->Label2[10]->x(), px(*left, 3360));
    EXPECT_EQ(dialog->Text1[4]->inputMode(), EntryBox::InputMode::Off);
    EXPECT_EQ(dialog->Text1[8]->inputMode(), EntryBox::InputMode::HalfWidthKatakana);
    // Captions keep their half-width and ideographic spaces.
    EXPECT_EQ(dialog->Label2[1]->text(), u"免\u0020\u0020許\u0020\u0020番\u0020\u0020号"_qs);
    EXPECT_EQ(dialog->Label2[2]->text(), u"氏\u3000"_qs + QString(9, u' ') + u"名"_qs);
    EXPECT_EQ(dialog->Label2[7]->text(), u"社\u3000\u0020\u3000団\u3000\u0020\u3000名"_qs);
    EXPECT_EQ(dialog->Label2[8]->text(), u"社\u0020団\u0020名\u0020カ\u0020ナ"_qs);
    EXPECT_EQ(dialog->Label2[12]->text(), u"申請書住所\u00201"_qs);

    EXPECT_EQ(dialog->Label1->geometry(),
              QRect(px(*left, 1680), px(*left, 1320), px(*left, 2055), px(*left, 315)));
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(dialog->findChild<SpinButton*>(u"UpDown1_%1"_qs.arg(i)),
                  dialog->UpDown1[size_t(i)]);
        EXPECT_EQ(
            dialog->UpDown1[size_t(i)]->geometry(),
            QRect(px(*left, 3840 + 480 * i), px(*left, 1320), px(*left, 255), px(*left, 315)));
    }
    ASSERT_EQ(dialog->findChild<QComboBox*>(u"Combo1"_qs), dialog->Combo1);
    ASSERT_EQ(dialog->Combo1->count(), 2);
    EXPECT_EQ(dialog->Combo1->itemText(0), u"固定局"_qs);
    EXPECT_EQ(dialog->Combo1->itemText(1), u"移動局"_qs);
    EXPECT_EQ(dialog->Combo1->geometry().topLeft(), QPoint(px(*left, 1680), px(*left, 1800)));

    ASSERT_EQ(dialog->findChild<QPushButton*>(u"Command1"_qs), dialog->Command1);
    EXPECT_EQ(dialog->Command1->text(), u"登\u3000録"_qs);
    EXPECT_EQ(dialog->Command1->geometry(),
              QRect(px(*left, 5280), px(*left, 5640), px(*left, 972), px(*left, 372)));
    EXPECT_EQ(dialog->Command2->text(), u"キャンセル"_qs);
    EXPECT_FALSE(dialog->Command1->autoDefault());
    expectCaptionsFit(*dialog);
}

TEST_F(NewRegistrationTest, OpensEmptyWithTodayAndRegistersIntoAnEmptyRegister) {
    auto dialog = open();
    EXPECT_EQ(dialog->Label1->text(), u"令和6年04月01日"_qs);
    EXPECT_EQ(dialog->Combo1->currentText(), u"固定局"_qs);
    for (const EntryBox* box : dialog->Text1)
        EXPECT_TRUE(box->text().isEmpty());

    fillValid(*dialog);
    dialog->Combo1->setCurrentIndex(1);
    dialog->UpDown1Click(0, 1);
    ASSERT_TRUE(dialog->Command1Click());

    ASSERT_EQ(state.store.Count(), 1);
    EXPECT_EQ(cell(1, 0), u"1"_qs);
    EXPECT_EQ(cell(1, 1), u"ｊａ１ｘｙｚ"_qs); // set by the program: not upper-cased
    EXPECT_EQ(cell(1, 3), u"令和7年04月01日"_qs);
    EXPECT_EQ(cell(1, 4), u"移動局"_qs);
    EXPECT_EQ(cell(1, 7), u"100-0001"_qs); // the station's postal code
    EXPECT_EQ(cell(1, 10), u"千代田無線クラブ"_qs);
    EXPECT_EQ(cell(1, 12), u"鈴木花子"_qs);
    EXPECT_EQ(cell(1, 17), u"03-0000-1111"_qs);
    const StationRecord& r = state.store.record(1);
    EXPECT_EQ(r, state.store.WorkRecord);
    EXPECT_EQ(r.trimmed(Field::CallSign), u"ｊａ１ｘｙｚ"_qs);
    EXPECT_EQ(r.trimmed(Field::LicenceNo), u"関第１２３４５号"_qs);
    EXPECT_EQ(r.expiry(), QDate(2025, 4, 1));
    EXPECT_EQ(r.ExpiryDate, double(qint64(r.ExpiryDate))); // no time of day
    EXPECT_EQ(r.trimmed(Field::StationType), u"移動局"_qs);
    EXPECT_EQ(r.trimmed(Field::ApplicantAddr2), u"外苑ハイツ101"_qs);
    EXPECT_EQ(state.store.Modified, 1);

    // Emptied for the next station, whatever was shown before; still open.
    EXPECT_TRUE(dialog->isVisible());
    for (const EntryBox* box : dialog->Text1)
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(dialog->Combo1->currentIndex(), 0);
    EXPECT_EQ(dialog->Label1->text(), u"令和6年04月01日"_qs);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(prompter.seen().empty());
}

TEST_F(NewRegistrationTest, AppendsAfterTheLastRecordAndSortsOnlyWhenClosed) {
    load({station(u"ＪＡ１ＡＡＡ"_qs, u"関第1号"_qs, QDate(2025, 1, 31)),
          station(u"ＪＡ１ＢＢＢ"_qs, u"関第2号"_qs, QDate(2026, 6, 30))});
    auto dialog = open();
    fillValid(*dialog);
    dialog->UpDown1Click(0, -1); // 令和5年04月01日: sorts first
    ASSERT_TRUE(dialog->Command1Click());
    ASSERT_EQ(state.store.Count(), 3);
    EXPECT_EQ(cell(3, 0), u"3"_qs);
    EXPECT_EQ(shownColumn(state.store, 1),
              (std::vector<QString>{u"ＪＡ１ＡＡＡ"_qs, u"ＪＡ１ＢＢＢ"_qs, u"ｊａ１ｘｙｚ"_qs}));

    // A second station in the same session.
    fillValid(*dialog);
    dialog->Text1[0]->setText(u"JA1QQQ"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(cell(4, 0), u"4"_qs);
    EXPECT_TRUE(calls.empty());

    state.settings.NewLeft = -1;
    dialog->move(150, 75);
    dialog->close();
    EXPECT_EQ(calls, (std::vector<std::string>{"DataSort", "LimitCheck"}));
    EXPECT_EQ(shownColumn(state.store, 1),
              (std::vector<QString>{u"ｊａ１ｘｙｚ"_qs, u"ＪＡ１ＱＱＱ"_qs, u"ＪＡ１ＡＡＡ"_qs,
                                    u"ＪＡ１ＢＢＢ"_qs}));
    EXPECT_EQ(cell(1, 0), u"1"_qs);
    EXPECT_EQ(cell(4, 0), u"4"_qs);
    EXPECT_EQ(state.settings.NewLeft, qRound(150 * 1440.0 / dialog->logicalDpiX()));
    EXPECT_EQ(state.settings.NewTop, qRound(75 * 1440.0 / dialog->logicalDpiY()));
}

TEST_F(NewRegistrationTest, ClosingWithoutRegisteringStillSortsAndColours) {
    load({station(u"ＪＡ１ＢＢＢ"_qs, u"2"_qs, QDate(2026, 6, 30)),
          station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2024, 4, 20))});
    state.settings.NewLeft = 1500;
    state.settings.NewTop = 900;
    auto dialog = open();
    EXPECT_EQ(dialog->frameGeometry().topLeft(), QPoint(px(*dialog, 1500), px(*dialog, 900)));
    dialog->Text1[0]->setText(u"JA9ZZZ"_qs); // dropped without a question
    dialog->Command2->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(calls, (std::vector<std::string>{"DataSort", "LimitCheck"}));
    EXPECT_EQ(shownColumn(state.store, 1),
              (std::vector<QString>{u"ＪＡ１ＡＡＡ"_qs, u"ＪＡ１ＢＢＢ"_qs}));
    EXPECT_EQ(state.store.colour(1), 0x00FF00FFu); // 19 days left
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_EQ(state.settings.NewLeft, 1500);
    EXPECT_EQ(state.settings.NewTop, 900);
    dialog->close(); // already closed: nothing runs again
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(NewRegistrationTest, APlaceOffEveryScreenIsBroughtBack) {
    state.settings.NewLeft = 9000000;
    state.settings.NewTop = 9000000;
    auto dialog = open();
    const QRect screen = dialog->screen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(dialog->frameGeometry()));
}

TEST_F(NewRegistrationTest, RequiredFieldMessageForEveryCombination) {
    load({station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2025, 1, 31))});
    auto dialog = open();
    const std::array<QString, 4> pieces{u"コールサイン\u0020\u0020"_qs, u"免許番号\u3000"_qs,
                                        u"氏名\u3000"_qs, u"設置(常置)場所1"_qs};
    const std::array<int, 4> boxes{0, 1, 2, 5};
    for (int empty = 1; empty < 16; ++empty) {
        fillValid(*dialog);
        dialog->UpDown1Click(2, 3);
        QString expected;
        for (size_t k = 0; k < 4; ++k) {
            if (empty & (1 << k)) {
                dialog->Text1[size_t(boxes[k])]->setText(k % 2 ? u"  "_qs : QString());
                expected += pieces[k];
            }
        }
        expected += u"を入力してください";
        const entryform::Texts before = dialog->texts();
        prompter.nextAnswer(Prompter::Answer::Ok);
        EXPECT_FALSE(dialog->Command1Click()) << empty;
        const Prompter::Message* shown = prompter.lastMessage();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->text, expected) << empty;
        EXPECT_EQ(shown->title, u"Velmora"_qs);
        EXPECT_EQ(shown->buttons, Prompter::Buttons::Ok);
        EXPECT_EQ(shown->icon, Prompter::Icon::None);
        // Nothing stored, and the dialog keeps every entry.
        EXPECT_EQ(state.store.Count(), 1);
        EXPECT_EQ(state.store.Count(), 1);
        EXPECT_EQ(state.store.Modified, 0);
        EXPECT_EQ(dialog->texts(), before);
        EXPECT_EQ(dialog->Label1->text(), u"令和6年04月04日"_qs);
        dialog->ClearFields();
    }
    EXPECT_EQ(prompter.messages().size(), 15u);
    // An ideographic space is text; optional boxes may stay empty.
    dialog->Text1[0]->setText(u"\u3000"_qs);
    dialog->Text1[1]->setText(u"1"_qs);
    dialog->Text1[2]->setText(u"名"_qs);
    dialog->Text1[5]->setText(u"所"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(state.store.record(2).trimmed(Field::HolderKana), QString());
    EXPECT_EQ(state.store.record(2).trimmed(Field::CallSign), u"\u3000"_qs);
}

TEST_F(NewRegistrationTest, TypedCallSignIsUpperCasedPastedIsNotAndBothAreWidened) {
    auto dialog = open();
    fillValid(*dialog);
    dialog->Text1[0]->clear();
    dialog->Text1[1]->clear();
    typeText(dialog->Text1[0], u"ja1abc"_qs);
    EXPECT_EQ(dialog->Text1[0]->text(), u"JA1ABC"_qs);
    QGuiApplication::clipboard()->setText(u"kan-abc1"_qs);
    pressKey(dialog->Text1[1], Qt::Key_V, Qt::ControlModifier, u"\x16"_qs);
    EXPECT_EQ(dialog->Text1[1]->text(), u"kan-abc1"_qs);
    // Only the call sign and the licence number are upper-cased.
    dialog->Text1[6]->clear();
    typeText(dialog->Text1[6], u"room b"_qs);
    EXPECT_EQ(dialog->Text1[6]->text(), u"room b"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(cell(1, 1), u"ＪＡ１ＡＢＣ"_qs);
    EXPECT_EQ(cell(1, 2), u"ｋａｎ－ａｂｃ１"_qs);
    EXPECT_EQ(cell(1, 9), u"room b"_qs);
    EXPECT_EQ(state.store.record(1).trimmed(Field::CallSign), u"ＪＡ１ＡＢＣ"_qs);
}

TEST_F(NewRegistrationTest, TextLongerThanItsFieldIsCutToItsWidth) {
    auto dialog = open();
    fillValid(*dialog);
    const QString callSign = u"JA1ABCDEFGHIJ"_qs;                  // 13 characters, field of 12
    const QString name = u"一二三四五六七八九十一二三四五六七"_qs; // 17, field of 16
    dialog->Text1[0]->setText(callSign);
    dialog->Text1[2]->setText(name);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(cell(1, 1), u"ＪＡ１ＡＢＣＤＥＦＧＨＩ"_qs);
    EXPECT_EQ(cell(1, 5), name.left(16));
}

TEST_F(NewRegistrationTest, TextTheDataFileCannotHoldIsRefusedNamingItsField) {
    load({station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2025, 1, 31))});
    auto dialog = open();
    const std::vector<std::pair<int, QString>> cases{
        {2, u"𠮷田"_qs}, {13, u"ハイツ😀"_qs}, {0, u"JA1é"_qs}};
    for (const auto& [box, text] : cases) {
        fillValid(*dialog);
        dialog->Text1[size_t(box)]->setText(text);
        prompter.nextAnswer(Prompter::Answer::Ok);
        EXPECT_FALSE(dialog->Command1Click());
        const QString message = prompter.lastMessage()->text;
        EXPECT_TRUE(message.contains(u"「"_qs + entryform::boxName(box) + u"」"_qs))
            << message.toStdString();
        EXPECT_EQ(state.store.Count(), 1);
        EXPECT_EQ(state.store.Count(), 1);
        EXPECT_EQ(state.store.Modified, 0);
        EXPECT_EQ(dialog->Text1[size_t(box)]->text(), text);
    }
    EXPECT_EQ(entryform::boxName(2), u"氏名"_qs);
    EXPECT_EQ(entryform::boxName(13), u"申請書住所2"_qs);
}

TEST_F(NewRegistrationTest, AFullRegisterRefusesAnotherStation) {
    std::vector<StationRecord> records(RecordStore::kMaxRecords - 1,
                                       station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2025, 1, 31)));
    load(std::move(records));
    auto dialog = open();
    fillValid(*dialog);
    ASSERT_TRUE(dialog->Command1Click()); // the 32,767th fits
    ASSERT_EQ(state.store.Count(), RecordStore::kMaxRecords);
    state.store.Modified = 0;

    fillValid(*dialog);
    const entryform::Texts entered = dialog->texts();
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(dialog->Command1Click());
    EXPECT_EQ(prompter.lastMessage()->text, RecordStore::fullMessage());
    EXPECT_TRUE(prompter.lastMessage()->text.contains(u"32767"));
    EXPECT_EQ(state.store.Count(), RecordStore::kMaxRecords);
    EXPECT_EQ(state.store.Count(), RecordStore::kMaxRecords);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(dialog->texts(), entered);
}

TEST_F(NewRegistrationTest, SpinButtonsStepTheDateShown) {
    clock.set(QDate(2024, 1, 31));
    auto dialog = open();
    dialog->UpDown1[1]->upButton()->click();
    EXPECT_EQ(dialog->Label1->text(), u"令和6年02月29日"_qs);
    dialog->UpDown1[0]->upButton()->click();
    EXPECT_EQ(dialog->Label1->text(), u"令和7年02月28日"_qs);
    dialog->UpDown1[2]->downButton()->click();
    EXPECT_EQ(dialog->Label1->text(), u"令和7年02月27日"_qs);
    dialog->UpDown1[1]->downButton()->click();
    EXPECT_EQ(dialog->Label1->text(), u"令和7年01月27日"_qs);

    dialog->Label1->setText(u"平成31年04月30日"_qs);
    dialog->UpDown1Click(2, 1);
    EXPECT_EQ(dialog->Label1->text(), u"令和1年05月01日"_qs);
    dialog->Label1->setText(FormatEraDate(QDate(9999, 12, 31)));
    dialog->UpDown1Click(2, 1);
    EXPECT_EQ(ParseEraDate(dialog->Label1->text()), QDate(9999, 12, 31));

    // The date registered is the one shown.
    fillValid(*dialog);
    dialog->Label1->setText(u"平成31年04月30日"_qs);
    dialog->UpDown1Click(1, 1);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(state.store.record(1).expiry(), QDate(2019, 5, 30));
    EXPECT_EQ(cell(1, 3), u"令和1年05月30日"_qs);
}
