// Undo and redo of the register's changes, recorded the way the windows make them.
#include "mainwin/registerundo.h"
#include "record/recordchecks.h"
#include "support/samplestation.h"
#include "support/shown.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 4, 1);

StationRecord station(int n, int days, const QString& name = QStringLiteral("山田太郎")) {
    return sampleStation(QStringLiteral("ＪＡ１ＡＡ%1").arg(n), QStringLiteral("関第%1号").arg(n),
                         kToday.addDays(days), name);
}

// Everything the grid shows of the register, with the identities.
using Register = std::pair<std::vector<StationRecord>, std::vector<RecordStore::Row>>;

class RegisterUndoTest : public ::testing::Test {
public:
    RecordStore store;
    RegisterUndo undo{store};
    bool settleAfterSteps = true;

    // Expired to far off, ＪＡ１ＡＡ2 twice, and not yet sorted: the duplicate check (the first
    // step below) moves rows that do not change themselves.
    void SetUp() override {
        std::vector<StationRecord> records;
        for (int n = 1; n <= 8; ++n)
            records.push_back(station(n, (n * 211) % 900 - 300));
        records.push_back(station(2, 122, QStringLiteral("別人")));
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
        const std::vector<QString> callSigns = shownColumn(store, 1);
        return int(std::ranges::find(callSigns, QStringLiteral("ＪＡ１ＡＡ%1").arg(n)) -
                   callSigns.begin()) +
               1;
    }
    void recorded(const QString& text, const std::function<void()>& change) {
        const RegisterUndo::Change recording(undo, text);
        change();
    }
};

} // namespace

// Every kind of change, one after another, each followed by what the window does then: undoing
// them one by one gives back each register before, to the byte, order, numbers, colours and
// identities included; redoing (then sorting and colouring) gives back each register after.
TEST_F(RegisterUndoTest, EveryChangeUndoneAndRedoneGivesBackTheExactRegister) {
    const std::vector<std::pair<QString, std::function<void()>>> steps = {
        {u"重複チェック"_qs, [&] { checks::removeDuplicates(store); }},
        {u"新規登録 ＪＡ１ＡＡ20"_qs, [&] { ASSERT_TRUE(store.append(station(20, 40))); }},
        {u"上書 ＪＡ１ＡＡ3"_qs, [&] { store.replace(rowOf(3), station(3, -50, u"鈴木"_qs)); }},
        {u"5年延長 ＪＡ１ＡＡ4"_qs, [&] { store.replace(rowOf(4), station(4, 544 + 1826)); }},
        {u"削除 ＪＡ１ＡＡ5"_qs, [&] { checks::deleteRecord(store, rowOf(5)); }},
        {u"データ連結"_qs,
         [&] {
             ASSERT_TRUE(store.extend({station(6, 66), station(30, 100)}));
             recorded(u"重複チェック"_qs, [&] { checks::removeDuplicates(store); });
         }},
        {u"CSV取り込み"_qs,
         [&] {
             store.replace(rowOf(7), station(7, 3, u"更新"_qs));
             ASSERT_TRUE(store.extend({station(31, -9)}));
             checks::removeDuplicates(store);
         }},
    };
    std::vector<Register> states = {now()};
    for (const auto& [text, change] : steps) {
        recorded(text, change);
        settle(); // after the change, or as the dialog closes
        states.push_back(now());
        ASSERT_NE(states.back(), states[states.size() - 2]) << text.toStdString();
    }
    settleAfterSteps = false; // undoing needs nothing after it
    for (size_t k = steps.size(); k > 0; --k) {
        undo.undo();
        EXPECT_EQ(now(), states[k - 1]) << "undo " << k;
    }
    EXPECT_EQ(store.Modified, 0);
    settleAfterSteps = true; // a step recorded before a dialog's closing sort needs the sort
    for (size_t k = 1; k <= steps.size(); ++k) {
        undo.redo();
        EXPECT_EQ(now(), states[k]) << "redo " << k;
    }
    EXPECT_EQ(store.Modified, 1);
}

// Modified follows the clean state, saving moves it, a new change drops what could be redone, a
// change that changes nothing is no step, and opening another file leaves nothing to undo. A
// deleted record comes back as itself, and a gap in the numbers as it was.
TEST_F(RegisterUndoTest, ModifiedFollowsTheSavedStateAndOpeningClears) {
    const auto remove = [this](int row) {
        recorded(u"削除"_qs, [&] { checks::deleteRecord(store, row); });
    };
    settleAfterSteps = false;
    const quint64 first = store.rowId(1);
    remove(1);
    undo.saved();
    const Register saved = now();
    remove(4);
    for (const int modified : {0, 1}) {
        undo.undo();
        EXPECT_EQ(store.Modified, modified);
    }
    EXPECT_EQ(store.rowOfId(first), 1);
    undo.redo();
    EXPECT_EQ(now(), saved);
    remove(2);
    EXPECT_FALSE(undo.stack().canRedo());
    EXPECT_EQ(store.Modified, 1);

    checks::removeDuplicates(store);
    undo.opened();
    EXPECT_EQ(undo.stack().count(), 0);
    undo.begin(u"重複チェック"_qs);
    checks::removeDuplicates(store);
    EXPECT_FALSE(undo.commit());
    EXPECT_EQ(undo.stack().count(), 0);
}
