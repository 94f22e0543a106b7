// The new-registration dialog: each registration appended, the boxes emptied for the next.
#include "entryfixture.h"

using NewRegistrationTest = EntryTest;

TEST_F(NewRegistrationTest, AppendsEmptiesForTheNextStationAndSortsOnlyWhenClosed) {
    load({station(u"ＪＡ１ＡＡＡ"_qs, QDate(2025, 1, 31))});
    auto dialog = openNew();
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和6年04月01日"_qs);
    fillValid(*dialog);
    dialog->stationTypeBox->setCurrentIndex(1);
    dialog->expirySpinButtons[0]->downButton()->click(); // each button steps its own unit
    dialog->expirySpinButtons[1]->upButton()->click();
    dialog->expirySpinButtons[2]->downButton()->click();
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和5年04月30日"_qs);
    dialog->registerButton->click();

    ASSERT_EQ(state.store.Count(), 2);
    const StationRecord& r = state.store.record(2);
    EXPECT_EQ(r.expiry(), QDate(2023, 4, 30));
    EXPECT_EQ(r.trimmed(Field::StationType), u"移動局"_qs);
    // The call sign was set by the program: not upper-cased.
    EXPECT_EQ(undo.stack().undoText(), u"新規登録 ｊａ１ｘｙｚ"_qs);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->texts(), entryform::Texts{});
    EXPECT_EQ(dialog->stationTypeBox->currentText(), u"固定局"_qs);
    EXPECT_EQ(dialog->expiryDateDisplay->text(), u"令和6年04月01日"_qs);

    EXPECT_TRUE(calls.empty());
    dialog->close();
    EXPECT_EQ(callSigns(), (std::vector<QString>{u"ｊａ１ｘｙｚ"_qs, u"ＪＡ１ＡＡＡ"_qs}));
}
