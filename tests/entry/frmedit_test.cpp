#include "entry/frmedit.h"
#include "entryfixture.h"
#include "platform/gui/spinbutton.h"
#include "record/eradate.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

class EditTest : public EntryTest {
protected:
    // Three stations, in expiry order as after opening a file.
    void loadThree() {
        load({station(u"ＪＡ１ＡＡＡ"_qs, u"関第1号"_qs, QDate(2024, 6, 30), u"青木"_qs),
              station(u"ＪＡ２ＢＢＢ"_qs, u"東第2号"_qs, QDate(2025, 6, 30), u"馬場"_qs),
              station(u"ＪＡ３ＣＣＣ"_qs, u"近第3号"_qs, QDate(2026, 6, 30), u"千葉"_qs)});
    }

    std::unique_ptr<frmEdit> open(int index) {
        state.store.CurrentIndex = index;
        auto dialog = std::make_unique<frmEdit>(state, prompter, *this);
        dialog->show();
        return dialog;
    }

    QString gone(const QString& refused) const {
        return u"このデータは登録データの中にもうありません（削除されたか、別のデータファイルが"
               u"開かれました）。"_qs +
               refused;
    }
};

} // namespace

TEST_F(EditTest, LayoutNamesAndCaptions) {
    loadThree();
    auto dialog = open(1);
    EXPECT_EQ(dialog->objectName(), u"frmEdit"_qs);
    EXPECT_EQ(dialog->windowTitle(), u"登録データの編集"_qs);
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog->size(), QSize(px(*dialog, 12525), px(*dialog, 6225)));
    const QGroupBox* left = dialog->Frame1[0];
    EXPECT_EQ(left->title(), u"登録データ"_qs);
    EXPECT_EQ(dialog->Frame1[1]->title(), u"再免許申請者のデータ"_qs);
    EXPECT_EQ(dialog->Frame1[1]->geometry(),
              QRect(px(*left, 6360), px(*left, 120), px(*left, 6015), px(*left, 5295)));

    const std::array<int, 15> limits{7, 12, 13, 20, 9, 26, 26, 26, 50, 17, 21, 9, 26, 26, 17};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(dialog->Text1[size_t(i)]->inputLimit(), limits[size_t(i)]) << i;
    EXPECT_EQ(dialog->Text1[0]->geometry().topLeft(), QPoint(px(*left, 1440), px(*left, 360)));
    EXPECT_EQ(dialog->Text1[4]->width(), px(*left, 1815));
    EXPECT_EQ(dialog->Text1[9]->width(), px(*left, 1815));
    EXPECT_EQ(dialog->Label2[1]->text(), u"免\u0020許\u0020番\u0020号"_qs);
    EXPECT_EQ(dialog->Label2[2]->text(), u"氏\u3000"_qs + QString(6, u' ') + u"名"_qs);
    EXPECT_EQ(dialog->Label2[4]->text(), u"郵便番号"_qs);
    EXPECT_EQ(dialog->Label2[7]->text(), u"社\u3000\u3000団\u3000\u3000名"_qs);
    EXPECT_EQ(dialog->Label2[8]->text(), u"社団名フリガナ"_qs);
    EXPECT_EQ(dialog->Label2[3]->x(), px(*left, 3360));
    EXPECT_EQ(dialog->Label1->geometry(),
              QRect(px(*left, 1440), px(*left, 1320), px(*left, 2052), px(*left, 312)));
    EXPECT_EQ(dialog->UpDown1[2]->geometry(),
              QRect(px(*left, 4560), px(*left, 1320), px(*left, 252), px(*left, 312)));

    const std::vector<std::tuple<QPushButton*, QString, QString, int, int>> buttons{
        {dialog->Command1, u"Command1"_qs, u"上\u3000書"_qs, 4200, 972},
        {dialog->Command2, u"Command2"_qs, u"キャンセル"_qs, 5640, 1092},
        {dialog->Command4, u"Command4"_qs, u"削\u3000除"_qs, 7200, 1092},
    };
    for (const auto& [button, name, text, x, width] : buttons) {
        ASSERT_EQ(dialog->findChild<QPushButton*>(name), button);
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(button->geometry(),
                  QRect(px(*left, x), px(*left, 5640), px(*left, width), px(*left, 372)));
    }
    EXPECT_EQ(dialog->Command3->parentWidget(), left);
    EXPECT_EQ(dialog->Command3->text(), u"免許期限日5年延長"_qs);
    expectCaptionsFit(*dialog);
    EXPECT_EQ(dialog->Command3->geometry(),
              QRect(px(*left, 3600), px(*left, 1800), px(*left, 2052), px(*left, 312)));
}

TEST_F(EditTest, ShowsTheRecordTrimmedWithItsEraDateAndType) {
    loadThree();
    StationRecord r = state.store.record(2);
    r.set(Field::HolderName, u"\u3000馬場 "_qs);
    r.set(Field::StationType, u"移動局"_qs);
    r.set(Field::ApplicantAddr1, u" 東京都 "_qs);
    state.store.replace(2, r);
    state.settings.EditLeft = 3000;
    state.settings.EditTop = 1500;
    auto dialog = open(2);
    EXPECT_EQ(dialog->frameGeometry().topLeft(), QPoint(px(*dialog, 3000), px(*dialog, 1500)));
    EXPECT_EQ(dialog->Text1[0]->text(), u"ＪＡ２ＢＢＢ"_qs);
    EXPECT_EQ(dialog->Text1[1]->text(), u"東第2号"_qs);
    EXPECT_EQ(dialog->Text1[2]->text(), u"\u3000馬場"_qs);
    EXPECT_EQ(dialog->Text1[4]->text(), u"102-0074"_qs);
    EXPECT_EQ(dialog->Text1[7]->text(), u"九段無線クラブ"_qs);
    EXPECT_EQ(dialog->Text1[9]->text(), u"山田花子"_qs);
    EXPECT_EQ(dialog->Text1[12]->text(), u"東京都"_qs);
    EXPECT_EQ(dialog->Text1[14]->text(), u"03-1234-5678"_qs);
    EXPECT_EQ(dialog->Label1->text(), u"令和7年06月30日"_qs);
    EXPECT_EQ(dialog->Combo1->currentText(), u"移動局"_qs);
    EXPECT_EQ(dialog->loadedRow(), 2);
}

TEST_F(EditTest, OverwriteWithoutEditsWidensTheCallSignAndMarksTheRegister) {
    loadThree();
    StationRecord r = state.store.record(2);
    r.set(Field::CallSign, u"ja2bbb"_qs);
    r.set(Field::LicenceNo, u"TKY-2"_qs);
    state.store.replace(2, r);
    auto dialog = open(2);
    state.settings.EditLeft = -1;
    dialog->move(60, 30);
    ASSERT_TRUE(dialog->Command1Click());

    StationRecord expected = r;
    expected.set(Field::CallSign, u"ｊａ２ｂｂｂ"_qs);
    expected.set(Field::LicenceNo, u"ＴＫＹ－２"_qs);
    EXPECT_EQ(state.store.record(2), expected);
    EXPECT_EQ(state.store.WorkRecord, expected);
    EXPECT_EQ(cell(2, 1), u"ｊａ２ｂｂｂ"_qs);
    EXPECT_EQ(cell(2, 2), u"ＴＫＹ－２"_qs);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(calls, (std::vector<std::string>{"DataSort", "LimitCheck"}));
    EXPECT_EQ(state.settings.EditLeft, qRound(60 * 1440.0 / dialog->logicalDpiX()));
    EXPECT_EQ(state.settings.EditTop, qRound(30 * 1440.0 / dialog->logicalDpiY()));
}

TEST_F(EditTest, RequiredFieldMessageForEveryCombination) {
    loadThree();
    const StationRecord original = state.store.record(3);
    const std::array<QString, 4> pieces{u"コールサイン\u0020\u0020"_qs, u"免許番号\u3000"_qs,
                                        u"氏名\u3000"_qs, u"設置(常置)場所\u3000"_qs};
    const std::array<int, 4> boxes{0, 1, 2, 5};
    for (int empty = 1; empty < 16; ++empty) {
        auto dialog = open(3);
        QString expected;
        for (size_t k = 0; k < 4; ++k) {
            if (empty & (1 << k)) {
                dialog->Text1[size_t(boxes[k])]->setText(k % 2 ? QString() : u" "_qs);
                expected += pieces[k];
            }
        }
        expected += u"を入力してください";
        prompter.nextAnswer(Prompter::Answer::Ok);
        EXPECT_FALSE(dialog->Command1Click());
        ASSERT_NE(prompter.lastMessage(), nullptr);
        EXPECT_EQ(prompter.lastMessage()->text, expected) << empty;
        EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::Ok);
        EXPECT_EQ(prompter.lastMessage()->icon, Prompter::Icon::None);
        EXPECT_EQ(state.store.record(3), original);
        EXPECT_EQ(cell(3, 8), original.trimmed(Field::StationAddr1));
        EXPECT_EQ(state.store.Modified, 0);
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_TRUE(calls.empty());
}

TEST_F(EditTest, ExtensionMovesOnlyTheDateShownUntilOverwritten) {
    loadThree();
    StationRecord leap = state.store.record(1);
    leap.setExpiry(QDate(2024, 2, 29));
    state.store.replace(1, leap);

    auto cancelled = open(1);
    cancelled->Command3->click();
    EXPECT_EQ(cancelled->Label1->text(), u"令和11年02月28日"_qs);
    cancelled->Command2->click();
    EXPECT_EQ(state.store.record(1).expiry(), QDate(2024, 2, 29));
    EXPECT_EQ(state.store.Modified, 0);

    auto dialog = open(1);
    dialog->Command3Click();
    dialog->Command3Click();
    EXPECT_EQ(dialog->Label1->text(), u"令和16年02月28日"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(state.store.record(3).expiry(), QDate(2034, 2, 28));
    EXPECT_EQ(state.store.record(3).trimmed(Field::CallSign), u"ＪＡ１ＡＡＡ"_qs);
    EXPECT_EQ(storeCallSigns(),
              (std::vector<QString>{u"ＪＡ２ＢＢＢ"_qs, u"ＪＡ３ＣＣＣ"_qs, u"ＪＡ１ＡＡＡ"_qs}));
    EXPECT_EQ(cell(3, 0), u"3"_qs);
    EXPECT_EQ(cell(3, 3), u"令和16年02月28日"_qs);
}

TEST_F(EditTest, OverwrittenRowStaysInPlaceUntilTheCloseSorts) {
    loadThree();
    std::vector<QString> seenAtSort;
    state.store.CurrentIndex = 1;
    beforeSort = [&] { seenAtSort = shownColumn(state.store, 1); };
    frmEdit dialog(state, prompter, *this);
    dialog.show();
    dialog.UpDown1Click(0, 5);
    ASSERT_TRUE(dialog.Command1Click());
    EXPECT_EQ(seenAtSort,
              (std::vector<QString>{u"ＪＡ１ＡＡＡ"_qs, u"ＪＡ２ＢＢＢ"_qs, u"ＪＡ３ＣＣＣ"_qs}));
    EXPECT_EQ(shownColumn(state.store, 1),
              (std::vector<QString>{u"ＪＡ２ＢＢＢ"_qs, u"ＪＡ３ＣＣＣ"_qs, u"ＪＡ１ＡＡＡ"_qs}));
    EXPECT_EQ(cell(1, 0), u"1"_qs);
    EXPECT_EQ(cell(3, 0), u"3"_qs);
}

TEST_F(EditTest, DeleteAsksAndNoKeepsTheDialogAsItWas) {
    loadThree();
    auto dialog = open(2);
    dialog->Text1[2]->setText(u"変更中"_qs);
    prompter.nextAnswer(Prompter::Answer::No);
    EXPECT_FALSE(dialog->Command4Click());
    const Prompter::Message* question = prompter.lastMessage();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text, u"このデータを削除しますか？"_qs);
    EXPECT_EQ(question->title, u"Velmora"_qs);
    EXPECT_EQ(question->buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(question->icon, Prompter::Icon::None);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Text1[2]->text(), u"変更中"_qs);
    EXPECT_EQ(state.store.Count(), 3);
    EXPECT_TRUE(calls.empty());

    prompter.nextAnswer(Prompter::Answer::Yes);
    EXPECT_TRUE(dialog->Command4Click());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(calls, (std::vector<std::string>{"DelGrid2Mem 2", "DataSort", "LimitCheck"}));
    EXPECT_EQ(storeCallSigns(), (std::vector<QString>{u"ＪＡ１ＡＡＡ"_qs, u"ＪＡ３ＣＣＣ"_qs}));
}

TEST_F(EditTest, DeletingTheOnlyRecordLeavesOneBlankRow) {
    load({station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2025, 1, 31))});
    auto dialog = open(1);
    prompter.nextAnswer(Prompter::Answer::Yes);
    ASSERT_TRUE(dialog->Command4Click());
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_EQ(cell(1, 1), QString());
}

// The register changes under the open dialog: overwrite and delete follow the station.
TEST_F(EditTest, OverwriteAndDeleteFollowTheStationThroughASort) {
    load({station(u"ＪＡ３ＣＣＣ"_qs, u"近第3号"_qs, QDate(2026, 6, 30), u"千葉"_qs),
          station(u"ＪＡ１ＡＡＡ"_qs, u"関第1号"_qs, QDate(2024, 6, 30), u"青木"_qs),
          station(u"ＪＡ２ＢＢＢ"_qs, u"東第2号"_qs, QDate(2025, 6, 30), u"馬場"_qs)});
    auto dialog = open(1); // ＪＡ３ＣＣＣ
    checks::DataSort(state.store);
    ASSERT_EQ(storeCallSigns()[0], u"ＪＡ１ＡＡＡ"_qs);
    state.store.CurrentIndex = 2; // another double-click meanwhile
    dialog->Text1[2]->setText(u"千葉一郎"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(state.store.record(3).trimmed(Field::CallSign), u"ＪＡ３ＣＣＣ"_qs);
    EXPECT_EQ(state.store.record(3).trimmed(Field::HolderName), u"千葉一郎"_qs);
    EXPECT_EQ(cell(3, 5), u"千葉一郎"_qs);
    EXPECT_EQ(state.store.record(1).trimmed(Field::HolderName), u"青木"_qs);
    EXPECT_EQ(state.store.record(2).trimmed(Field::HolderName), u"馬場"_qs);

    auto deleting = open(3);                     // ＪＡ３ＣＣＣ again
    StationRecord later = state.store.record(2); // ＪＡ２ＢＢＢ now expires last
    later.setExpiry(QDate(2027, 1, 1));
    state.store.replace(2, later);
    checks::DataSort(state.store);
    ASSERT_EQ(storeCallSigns(),
              (std::vector<QString>{u"ＪＡ１ＡＡＡ"_qs, u"ＪＡ３ＣＣＣ"_qs, u"ＪＡ２ＢＢＢ"_qs}));
    calls.clear();
    prompter.nextAnswer(Prompter::Answer::Yes);
    ASSERT_TRUE(deleting->Command4Click());
    EXPECT_EQ(calls.front(), "DelGrid2Mem 2");
    EXPECT_EQ(storeCallSigns(), (std::vector<QString>{u"ＪＡ１ＡＡＡ"_qs, u"ＪＡ２ＢＢＢ"_qs}));
}

TEST_F(EditTest, OverwriteFollowsTheStationThroughADuplicateCheck) {
    load({station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2024, 6, 30)),
          station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2024, 6, 30)),
          station(u"ＪＡ２ＢＢＢ"_qs, u"2"_qs, QDate(2025, 6, 30))});
    auto dialog = open(3);
    checks::DupeCheck2Mem(state.store);
    ASSERT_EQ(state.store.Count(), 2);
    EXPECT_EQ(dialog->loadedRow(), 2);
    dialog->Text1[5]->setText(u"大阪府"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(state.store.record(2).trimmed(Field::StationAddr1), u"大阪府"_qs);
    EXPECT_EQ(state.store.record(1).trimmed(Field::StationAddr1), u"東京都千代田区九段南1-2-1"_qs);

    // The lower of two equal rows goes: a dialog on it finds its station gone.
    load({station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2024, 6, 30)),
          station(u"ＪＡ１ＡＡＡ"_qs, u"1"_qs, QDate(2024, 6, 30))});
    auto lower = open(2);
    checks::DupeCheck2Mem(state.store);
    state.store.Modified = 0;
    const StationRecord kept = state.store.record(1);
    lower->Text1[2]->setText(u"別人"_qs);
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(lower->Command1Click());
    EXPECT_EQ(prompter.lastMessage()->text, gone(u"上書きできません。"_qs));
    EXPECT_EQ(state.store.record(1), kept);
    EXPECT_EQ(state.store.Modified, 0);
}

TEST_F(EditTest, AStationNoLongerInTheRegisterIsNeitherOverwrittenNorDeleted) {
    loadThree();
    auto dialog = open(2);
    // Another data file is opened while the dialog is open.
    load({station(u"ＪＲ１ＸＸＸ"_qs, u"1"_qs, QDate(2024, 6, 30)),
          station(u"ＪＲ２ＹＹＹ"_qs, u"2"_qs, QDate(2025, 6, 30)),
          station(u"ＪＲ３ＺＺＺ"_qs, u"3"_qs, QDate(2026, 6, 30))});
    const std::vector<StationRecord> before = state.store.records();
    EXPECT_EQ(dialog->loadedRow(), 0);

    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(dialog->Command1Click());
    EXPECT_EQ(prompter.lastMessage()->text, gone(u"上書きできません。"_qs));
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(dialog->Command4Click()); // said at once, without the question
    EXPECT_EQ(prompter.lastMessage()->text, gone(u"削除できません。"_qs));
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(state.store.records(), before);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(dialog->isVisible());

    // Deleted meanwhile (by another dialog, say).
    loadThree();
    auto second = open(3);
    checks::DelGrid2Mem(state.store, 3);
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(second->Command4Click());
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_EQ(prompter.lastMessage()->text, gone(u"削除できません。"_qs));
}

TEST_F(EditTest, TextTheDataFileCannotHoldIsRefusedAndNothingIsStored) {
    loadThree();
    const StationRecord original = state.store.record(1);
    auto dialog = open(1);
    dialog->Text1[9]->setText(u"𠮷野"_qs);
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(dialog->Command1Click());
    const QString message = prompter.lastMessage()->text;
    EXPECT_TRUE(message.contains(u"「申請者の氏名」")) << message.toStdString();
    EXPECT_TRUE(message.contains(u"𠮷")) << message.toStdString();
    EXPECT_EQ(state.store.record(1), original);
    EXPECT_EQ(cell(1, 12), u"山田花子"_qs);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(dialog->isVisible());

    dialog->Text1[9]->setText(u"吉野"_qs);
    dialog->Text1[3]->setText(u"ﾖｼﾉ🙂"_qs);
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(dialog->Command1Click());
    EXPECT_TRUE(prompter.lastMessage()->text.contains(u"「フリガナ」"));
    EXPECT_EQ(state.store.record(1), original);
}

TEST_F(EditTest, AStationTypeThatIsNotOneOfTheItemsIsShownAndKept) {
    loadThree();
    StationRecord odd = state.store.record(1);
    odd.set(Field::StationType, u"移動する局"_qs);
    state.store.replace(1, odd);
    StationRecord none = state.store.record(2);
    none.set(Field::StationType, QString());
    state.store.replace(2, none);

    auto first = open(1);
    EXPECT_EQ(first->Combo1->currentText(), u"移動する局"_qs);
    EXPECT_EQ(first->Combo1->itemText(0), u"固定局"_qs);
    ASSERT_TRUE(first->Command1Click());
    EXPECT_EQ(state.store.record(1).trimmed(Field::StationType), u"移動する局"_qs);

    auto second = open(2);
    EXPECT_EQ(second->Combo1->currentText(), QString());
    ASSERT_TRUE(second->Command1Click());
    EXPECT_EQ(state.store.record(2).trimmed(Field::StationType), QString());
}

TEST_F(EditTest, ADateTheCalendarCannotShowIsKeptAsStored) {
    loadThree();
    StationRecord far = state.store.record(2);
    far.ExpiryDate = 3.0e7; // beyond the year 9999
    state.store.replace(2, far);
    auto dialog = open(2);
    EXPECT_EQ(dialog->Label1->text(), QString());
    dialog->UpDown1Click(2, 1); // nothing to step
    EXPECT_EQ(dialog->Label1->text(), QString());
    dialog->Text1[2]->setText(u"新しい名前"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    // The close sorts it last, after every date that can be shown.
    EXPECT_EQ(state.store.record(3).trimmed(Field::CallSign), u"ＪＡ２ＢＢＢ"_qs);
    EXPECT_EQ(state.store.record(3).ExpiryDate, 3.0e7);
    EXPECT_EQ(state.store.record(3).trimmed(Field::HolderName), u"新しい名前"_qs);
}

TEST_F(EditTest, ALongStoredValueIsShownWholeAndOverwrittenUnchanged) {
    loadThree();
    StationRecord r = state.store.record(1);
    r.set(Field::HolderName, u"一二三四五六七八九十一二三四五六"_qs); // 32 bytes, limit 13
    state.store.replace(1, r);
    auto dialog = open(1);
    EXPECT_EQ(dialog->Text1[2]->text(), u"一二三四五六七八九十一二三四五六"_qs);
    dialog->Text1[2]->end(false);
    typeText(dialog->Text1[2], u"七"_qs);
    EXPECT_EQ(dialog->Text1[2]->text(), u"一二三四五六七八九十一二三四五六"_qs);
    ASSERT_TRUE(dialog->Command1Click());
    EXPECT_EQ(state.store.record(1).trimmed(Field::HolderName),
              u"一二三四五六七八九十一二三四五六"_qs);
}
