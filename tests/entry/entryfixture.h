// The entry tests' harness: a register, scripted answers, a fixed today, a main window that notes
// its calls and the dialogs opened on them; typing and key presses as the keyboard sends them.
#pragma once

#include "entry/editstationdialog.h"
#include "entry/newstationdialog.h"
#include "mainwin/registerundo.h"
#include "platform/clock.h"
#include "platform/gui/spinbutton.h"
#include "record/appstate.h"
#include "record/recordchecks.h"
#include "support/samplestation.h"
#include "support/scriptedprompter.h"
#include "support/shown.h"
#include "support/typedate.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

// A register with scripted answers, a fixed today and a main window whose operations run the
// record checks and note every call, and record the changes as the main window does.
class EntryHarness : public MainWindowLink {
public:
    AppState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2024, 4, 1)};
    std::vector<std::string> calls;
    RegisterUndo undo{state.store};

    QWidget* mainWidget() override { return nullptr; }
    void trackWindow(QWidget*) override {}
    void deleteRecord(int row) override {
        calls.push_back("deleteRecord " + std::to_string(row));
        checks::deleteRecord(state.store, row);
    }
    void sortByExpiry() override {
        calls.push_back("sortByExpiry");
        checks::sortByExpiry(state.store);
    }
    void colourByExpiry() override { calls.push_back("colourByExpiry"); }
    void beginRegisterChange(const QString& text) override { undo.begin(text); }
    void commitRegisterChange() override { undo.commit(); }

    void load(std::vector<StationRecord> records) {
        ASSERT_TRUE(state.store.load(std::move(records)));
    }

    // Stored as the dialogs store them: a half-width licence number would make any store an
    // overwrite.
    static StationRecord station(const QString& callSign, QDate expiry) {
        return sampleStation(callSign, u"関第１号"_qs, expiry);
    }
    // ＪＡ１ＡＡＡ, ＪＡ２ＢＢＢ, ＪＡ３ＣＣＣ, in expiry order as after opening a file.
    void loadThree() {
        load({station(u"ＪＡ１ＡＡＡ"_qs, QDate(2024, 6, 30)),
              station(u"ＪＡ２ＢＢＢ"_qs, QDate(2025, 6, 30)),
              station(u"ＪＡ３ＣＣＣ"_qs, QDate(2026, 6, 30))});
    }
    std::vector<QString> callSigns() const { return shownColumn(state.store, 1); }

    // A complete, valid entry, each box a text of its own; set as the program would (no typing).
    static entryform::Texts validTexts() {
        return {u"ja1xyz"_qs, u"関第12号"_qs, u"鈴木"_qs,   u"ｽｽﾞｷ"_qs, u"100-0001"_qs,
                u"所一"_qs,   u"所二"_qs,     u"クラブ"_qs, u"ｸﾗﾌﾞ"_qs, u"花子"_qs,
                u"ﾊﾅｺ"_qs,    u"100-0002"_qs, u"申一"_qs,   u"申二"_qs, u"03-0000-1111"_qs};
    }
    static void fillValid(EntryWindow& window) {
        for (size_t i = 0; i < entryform::kBoxCount; ++i)
            window.fieldBoxes[i]->setText(validTexts()[i]);
    }

    // The dialogs, shown; the edit dialog on the station of row index.
    std::unique_ptr<NewStationDialog> openNew() {
        auto dialog = std::make_unique<NewStationDialog>(state, prompter, clock, *this);
        dialog->show();
        return dialog;
    }
    std::unique_ptr<EditStationDialog> openEdit(int index) {
        state.store.CurrentIndex = index;
        auto dialog = std::make_unique<EditStationDialog>(state, prompter, *this);
        dialog->show();
        return dialog;
    }
};

class EntryTest : public ::testing::Test, public EntryHarness {};

inline void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}

// Typing: one key press per character, as the keyboard sends it.
inline void typeText(QWidget* target, const QString& text) {
    for (const QChar c : text)
        pressKey(target, c.unicode() < 0x80 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown),
                 Qt::NoModifier, QString(c));
}
