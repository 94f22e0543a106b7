// Undo and redo of the register's changes, recorded the way the windows make them.
#include "mainwin/registerundo.h"
#include "record/recordchecks.h"
#include "support/samplestation.h"

#include <QAction>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 4, 1);

StationRecord station(int n, QDate expiry, const QString& name = QStringLiteral("山田太郎")) {
    return sampleStation(QStringLiteral("ＪＡ１ＡＡ%1").arg(n), QStringLiteral("関第%1号").arg(n),
                         expiry, name);
}

// Everything the grid shows of the register, with the identities.
struct Register {
    std::vector<StationRecord> records;
    std::vector<RecordStore::Row> rows;
    bool operator==(const Register&) const = default;
};

class RegisterUndoTest : public ::testing::Test {
public:
    RecordStore store;
    RegisterUndo undo{store};
    bool settleAfterSteps = true;

    // Expired to far off, ＪＡ１ＡＡ2 twice, and not yet sorted: the duplicate check (the first
    // step) moves rows that do not change themselves.
    void SetUp() override {
        std::vector<StationRecord> records;
        for (int n = 1; n <= 8; ++n)
            records.push_back(station(n, kToday.addDays((n * 211) % 900 - 100)));
        records.push_back(station(2, records[1].expiry(), QStringLiteral("別人")));
        ASSERT_TRUE(store.load(records));
        checks::colourByExpiry(store, kToday);
        QObject::connect(&undo, &RegisterUndo::restored, [this] {
            if (settleAfterSteps)
                settle();
        });
        undo.opened();
    }
    // What the window does after every change and when a dialog closes.
    void settle() {
        checks::sortByExpiry(store);
        checks::colourByExpiry(store, kToday);
    }
    Register now() const { return {store.records(), store.rows()}; }
    int rowOf(int n) const {
        for (int row = 1; row <= store.Count(); ++row) {
            if (store.record(row).trimmed(Field::CallSign) == QStringLiteral("ＪＡ１ＡＡ%1").arg(n))
                return row;
        }
        return 0;
    }
    void storeEdited(int n, const StationRecord& record) {
        const StationRecord& old = store.record(rowOf(n));
        const RegisterUndo::Change change(
            undo, actionText(storeAction(old, record), old.trimmed(Field::CallSign)));
        store.replace(rowOf(n), record);
    }
};

struct Step {
    QString text;
    std::function<void(RegisterUndoTest&)> change;
};

} // namespace

// Every kind of change, one after another, each followed by what the window does then: undoing
// them one by one gives back each register before, to the byte, order, numbers, colours and
// identities included; redoing (then sorting and colouring) gives back each register after.
TEST_F(RegisterUndoTest, EveryChangeUndoneAndRedoneGivesBackTheExactRegister) {
    using R = RegisterUndoTest;
    const std::vector<Step> steps = {
        {u"重複チェック"_qs,
         [](R& t) {
             const RegisterUndo::Change change(t.undo, actionText(RegisterAction::DuplicateCheck));
             checks::removeDuplicates(t.store);
         }},
        {u"新規登録 ＪＡ１ＡＡ20"_qs,
         [](R& t) {
             const StationRecord added = station(20, kToday.addDays(40));
             {
                 const RegisterUndo::Change change(
                     t.undo, actionText(RegisterAction::NewStation, added.text(Field::CallSign)));
                 ASSERT_TRUE(t.store.append(added));
             }
             t.settle(); // the dialog closes
         }},
        {u"上書 ＪＡ１ＡＡ3"_qs,
         [](R& t) {
             t.storeEdited(3, station(3, kToday.addDays(-50), QStringLiteral("鈴木花子")));
             t.settle();
         }},
        {u"5年延長 ＪＡ１ＡＡ4"_qs,
         [](R& t) {
             StationRecord extended = t.store.record(t.rowOf(4));
             extended.setExpiry(extended.expiry().addYears(5));
             t.storeEdited(4, extended);
             t.settle();
         }},
        {u"削除 ＪＡ１ＡＡ5"_qs,
         [](R& t) {
             {
                 const RegisterUndo::Change change(t.undo, u"削除 ＪＡ１ＡＡ5"_qs);
                 checks::deleteRecord(t.store, t.rowOf(5));
             }
             t.settle();
         }},
        {u"データ連結"_qs,
         [](R& t) {
             const RegisterUndo::Change change(t.undo, actionText(RegisterAction::Merge));
             ASSERT_TRUE(t.store.extend({station(6, t.store.record(t.rowOf(6)).expiry()),
                                         station(30, kToday.addDays(100))}));
             {
                 const RegisterUndo::Change inner(t.undo,
                                                  actionText(RegisterAction::DuplicateCheck));
                 checks::removeDuplicates(t.store);
             }
             checks::colourByExpiry(t.store, kToday);
         }},
        {u"CSV取り込み"_qs,
         [](R& t) {
             const RegisterUndo::Change change(t.undo, actionText(RegisterAction::CsvImport));
             t.store.replace(t.rowOf(7), station(7, kToday.addDays(3), QStringLiteral("更新")));
             ASSERT_TRUE(t.store.extend({station(31, kToday.addDays(-9))}));
             checks::removeDuplicates(t.store);
             checks::colourByExpiry(t.store, kToday);
         }},
    };
    std::vector<Register> states = {now()};
    for (const Step& step : steps) {
        step.change(*this);
        states.push_back(now());
        ASSERT_NE(states.back(), states[states.size() - 2]) << step.text.toStdString();
        EXPECT_EQ(undo.stack().undoText(), step.text);
    }
    EXPECT_EQ(undo.stack().count(), int(steps.size()));
    // Undoing needs nothing after it; redoing a step recorded before a dialog's closing sort
    // needs the sort.
    settleAfterSteps = false;
    for (size_t k = steps.size(); k > 0; --k) {
        undo.undo();
        EXPECT_EQ(now(), states[k - 1]) << "undo " << k;
    }
    EXPECT_EQ(store.Modified, 0);
    settleAfterSteps = true;
    for (size_t k = 1; k <= steps.size(); ++k) {
        undo.redo();
        EXPECT_EQ(now(), states[k]) << "redo " << k;
    }
    EXPECT_EQ(store.Modified, 1);
}

// Modified follows the clean state, saving moves it, a new change drops what could be redone,
// and opening another file leaves nothing to undo. A deleted record comes back as itself.
TEST_F(RegisterUndoTest, ModifiedFollowsTheSavedStateAndOpeningClears) {
    const auto remove = [this](int row) {
        const RegisterUndo::Change change(undo, actionText(RegisterAction::Delete, u"x"));
        checks::deleteRecord(store, row);
    };
    settleAfterSteps = false; // the numbers keep their gaps
    EXPECT_EQ(store.Modified, 0);
    const quint64 first = store.rowId(1);
    remove(1);
    EXPECT_EQ(store.Modified, 1);
    undo.saved();
    EXPECT_EQ(store.Modified, 0);
    const Register saved = now();
    remove(4);
    const std::vector<int> expected = {0, 1, 0, 1};
    for (size_t k = 0; k < expected.size(); ++k) {
        k < 2 ? undo.undo() : undo.redo();
        EXPECT_EQ(store.Modified, expected[k]) << k;
        if (k == 0) {
            EXPECT_EQ(now(), saved);
        }
    }
    undo.undo();
    undo.undo();
    EXPECT_EQ(store.rowOfId(first), 1);
    remove(2);
    EXPECT_FALSE(undo.stack().canRedo());
    EXPECT_EQ(undo.stack().count(), 1);
    EXPECT_EQ(store.Modified, 1);

    // Checking a register without duplicates changes nothing, so there is nothing to undo.
    checks::removeDuplicates(store);
    undo.opened();
    EXPECT_EQ(store.Modified, 0);
    undo.begin(actionText(RegisterAction::DuplicateCheck));
    checks::removeDuplicates(store);
    EXPECT_FALSE(undo.commit());
    EXPECT_EQ(undo.stack().count(), 0);
    EXPECT_EQ(store.Modified, 0);
}

TEST_F(RegisterUndoTest, MenuCaptionsNameTheStep) {
    QAction undoAction;
    QAction redoAction;
    undo.attach(&undoAction, &redoAction);
    const auto captions = [&] { return std::pair(undoAction.text(), redoAction.text()); };
    EXPECT_EQ(captions(), std::pair(u"元に戻す"_qs, u"やり直し"_qs));
    EXPECT_FALSE(undoAction.isEnabled());
    {
        const RegisterUndo::Change change(undo,
                                          actionText(RegisterAction::Delete, u" ＪＡ１ＡＢＣ  "));
        checks::deleteRecord(store, 1);
    }
    EXPECT_EQ(captions(), std::pair(u"元に戻す（削除 ＪＡ１ＡＢＣ）"_qs, u"やり直し"_qs));
    undoAction.trigger();
    EXPECT_EQ(captions(), std::pair(u"元に戻す"_qs, u"やり直し（削除 ＪＡ１ＡＢＣ）"_qs));
    EXPECT_TRUE(redoAction.isEnabled());
    EXPECT_EQ(store.Count(), 9);
}
