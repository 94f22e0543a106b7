// The edit dialog: overwriting, the five-year extension, deleting, the undo step, and a
// register that changes under the open dialog.
#include "entryfixture.h"

using EditTest = EntryTest;

// Overwriting a station unchanged keeps every field, a station type that is not one of the
// items and a date the calendar cannot show included; only the call sign widens (as entryform's
// tests say). The step is named for what it did; undoing it gives back the station. Once another
// data file is opened, the station is neither overwritten nor deleted.
TEST_F(EditTest, OverwritingAsShownKeepsTheStationAndAStationGoneIsLeftAlone) {
    loadThree();
    StationRecord r = state.store.record(2);
    r.set(Field::CallSign, u"ja2bbb"_qs);
    r.set(Field::StationType, u"社団局"_qs);
    r.ExpiryDate = 3.0e7; // beyond the year 9999
    state.store.replace(2, r);
    auto dialog = openEdit(2);
    dialog->overwriteButton->click();
    StationRecord expected = r;
    expected.set(Field::CallSign, u"ｊａ２ｂｂｂ"_qs);
    EXPECT_EQ(state.store.record(3), expected); // sorted after every date that can be shown
    EXPECT_EQ(undo.stack().undoText(), u"上書 ｊａ２ｂｂｂ"_qs);
    undo.undo();
    EXPECT_EQ(state.store.record(2), r);
    EXPECT_EQ(state.store.Modified, 0);

    load({station(u"ＪＲ１ＸＸＸ"_qs, QDate(2024, 6, 30)),
          station(u"ＪＲ２ＹＹＹ"_qs, QDate(2025, 6, 30))});
    const std::vector<StationRecord> before = state.store.records();
    const QString gone = u"このデータは登録データの中にもうありません（削除されたか、別のデータ"
                         u"ファイルが開かれました）。"_qs;
    calls.clear();
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(dialog->overwrite());
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(dialog->deleteStation()); // said at once, without the question
    EXPECT_EQ(prompter.messages(), (std::vector<QString>{gone + u"上書きできません。"_qs,
                                                         gone + u"削除できません。"_qs}));
    EXPECT_EQ(state.store.records(), before);
    EXPECT_TRUE(calls.empty());
}

// The register changes under the open dialog: overwrite and delete follow the station. The
// extension steps on from the date shown, or from one still being typed.
TEST_F(EditTest, OverwriteInPlaceAndDeleteFollowTheStationThroughASort) {
    load({station(u"ＪＡ３ＣＣＣ"_qs, QDate(2026, 6, 30)),
          station(u"ＪＡ１ＡＡＡ"_qs, QDate(2024, 6, 30)),
          station(u"ＪＡ２ＢＢＢ"_qs, QDate(2025, 6, 30))});
    auto dialog = openEdit(2); // ＪＡ１ＡＡＡ
    checks::sortByExpiry(state.store);
    state.store.CurrentIndex = 2;  // another double-click meanwhile
    dialog->extendButton->click(); // five years on: now the last to expire
    ASSERT_TRUE(dialog->overwrite());
    EXPECT_EQ(undo.stack().undoText(), u"5年延長 ＪＡ１ＡＡＡ"_qs);
    EXPECT_EQ(callSigns(),
              (std::vector<QString>{u"ＪＡ２ＢＢＢ"_qs, u"ＪＡ３ＣＣＣ"_qs, u"ＪＡ１ＡＡＡ"_qs}));
    EXPECT_EQ(state.store.record(3).expiry(), QDate(2029, 6, 30));

    // Deleting asks first; No keeps the dialog as it was.
    auto deleting = openEdit(3);                                   // ＪＡ１ＡＡＡ again
    typeDate(deleting->expiryDateDisplay, u"2029/7/31"_qs, false); // extended from as typed
    deleting->extendButton->click();
    EXPECT_EQ(deleting->expiryDateDisplay->text(), u"令和16年07月31日"_qs);
    calls.clear();
    prompter.nextAnswer(Prompter::Answer::No);
    EXPECT_FALSE(deleting->deleteStation());
    EXPECT_EQ(prompter.lastMessage()->text, u"このデータを削除しますか？"_qs);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::YesNo);
    EXPECT_TRUE(deleting->isVisible() && calls.empty());

    StationRecord later = state.store.record(1); // ＪＡ２ＢＢＢ now expires last
    later.setExpiry(QDate(2030, 1, 1));
    state.store.replace(1, later);
    checks::sortByExpiry(state.store);
    prompter.nextAnswer(Prompter::Answer::Yes);
    deleting->deleteButton->click();
    EXPECT_FALSE(deleting->isVisible());
    EXPECT_EQ(calls,
              (std::vector<std::string>{"deleteRecord 2", "sortByExpiry", "colourByExpiry"}));
}
