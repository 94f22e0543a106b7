#pragma once

#include "entry/entrywindow.h"
#include "platform/clock.h"
#include "platform/gui/mainwindowlink.h"
#include "platform/gui/twips.h"
#include "record/appstate.h"
#include "record/recordchecks.h"
#include "support/samplestation.h"
#include "support/scriptedprompter.h"
#include "support/shown.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A register with scripted answers, a fixed today and a main window whose operations run the
// record checks and note every call.
class EntryTest : public ::testing::Test, public MainWindowLink {
protected:
    AppState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2024, 4, 1)};
    std::vector<std::string> calls;
    std::function<void()> beforeSort; // runs first in DataSort, when set

    QWidget* mainWidget() override { return nullptr; }
    void trackWindow(QWidget*) override {}
    void DelGrid2Mem(int row) override {
        calls.push_back("DelGrid2Mem " + std::to_string(row));
        checks::DelGrid2Mem(state.store, row);
    }
    void DataSort() override {
        calls.push_back("DataSort");
        if (beforeSort)
            beforeSort();
        checks::DataSort(state.store);
    }
    void LimitCheck() override {
        calls.push_back("LimitCheck");
        checks::LimitCheck(state.store, clock.today());
    }

    // Opens a register of these records, as opening a data file lists it.
    void load(std::vector<StationRecord> records) {
        ASSERT_TRUE(state.store.load(std::move(records)));
    }
    // What the grid shows in row, column.
    QString cell(int row, int column) const { return shownText(state.store, row, column); }

    static StationRecord station(const QString& callSign, const QString& licenceNo, QDate expiry,
                                 const QString& name = QStringLiteral(u"山田太郎")) {
        StationRecord r = sampleStation(callSign, licenceNo, expiry, name);
        r.set(Field::ClubName, u"九段無線クラブ");
        r.set(Field::ApplicantName, u"山田花子");
        return r;
    }

    std::vector<QString> storeCallSigns() const {
        std::vector<QString> texts;
        for (const StationRecord& r : state.store.records())
            texts.push_back(r.trimmed(Field::CallSign));
        return texts;
    }

    // Sets the texts of the boxes as the program would (no typing).
    static void fill(EntryWindow& window, const std::vector<std::pair<int, QString>>& texts) {
        for (const auto& [box, text] : texts)
            window.Text1[size_t(box)]->setText(text);
    }

    // A complete, valid entry.
    static void fillValid(EntryWindow& window) {
        fill(window, {{0, u"ja1xyz"_qs},
                      {1, u"関第12345号"_qs},
                      {2, u"鈴木一郎"_qs},
                      {3, u"ｽｽﾞｷ ｲﾁﾛｳ"_qs},
                      {4, u"100-0001"_qs},
                      {5, u"東京都千代田区千代田1-1"_qs},
                      {6, u"皇居前ビル2F"_qs},
                      {7, u"千代田無線クラブ"_qs},
                      {8, u"ﾁﾖﾀﾞﾑｾﾝｸﾗﾌﾞ"_qs},
                      {9, u"鈴木花子"_qs},
                      {10, u"ｽｽﾞｷ ﾊﾅｺ"_qs},
                      {11, u"100-0002"_qs},
                      {12, u"東京都千代田区皇居外苑1-1"_qs},
                      {13, u"外苑ハイツ101"_qs},
                      {14, u"03-0000-1111"_qs}});
    }
};

// Pixels of a measure in twips on the widget's screen.
inline int px(const QWidget& widget, double twips) {
    return twips::toPixels(twips, widget.logicalDpiX());
}

// All captions of a dialog at one size, each whole in its place and ending short of its box; the
// date display in the boxes' font.
inline void expectCaptionsFit(const EntryWindow& dialog) {
    const double size = dialog.Label2[0]->font().pointSizeF();
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label == dialog.Label1)
            continue;
        EXPECT_EQ(label->font().pointSizeF(), size) << label->objectName().toStdString();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
    }
    for (size_t i = 0; i < dialog.Text1.size(); ++i)
        EXPECT_LT(dialog.Label2[i]->geometry().right() + 1, dialog.Text1[i]->geometry().left())
            << i;
    EXPECT_EQ(dialog.Label1->font(), dialog.Text1[0]->font());
}

// Typing: one key press per character, as the keyboard sends it.
inline void typeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        const int key = c.unicode() < 0x80 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

inline void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers,
                     const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}
