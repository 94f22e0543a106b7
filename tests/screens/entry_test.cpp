#include "entry/frmedit.h"
#include "entry/frmnew.h"
#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/gui/mainwindowlink.h"
#include "record/appstate.h"
#include "support/scriptedprompter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <gtest/gtest.h>

#include "screenshot.h"

// The new-registration and edit dialogs with a sample station.

namespace {

StationRecord sampleStation() {
    StationRecord r;
    r.set(Field::CallSign, u"ＪＡ１ＸＶＭ");
    r.set(Field::LicenceNo, u"関第２１０３４５号");
    r.setExpiry(QDate(2026, 5, 31));
    r.set(Field::StationType, u"移動局");
    r.set(Field::HolderName, u"山田　太郎");
    r.set(Field::HolderKana, u"ﾔﾏﾀﾞ ﾀﾛｳ");
    r.set(Field::StationZip, u"100-0013");
    r.set(Field::StationAddr1, u"東京都千代田区霞が関１－２－３");
    r.set(Field::StationAddr2, u"ベルモラハイツ１０１号");
    r.set(Field::ClubName, u"ベルモラ無線クラブ");
    r.set(Field::ClubKana, u"ﾍﾞﾙﾓﾗﾑｾﾝｸﾗﾌﾞ");
    r.set(Field::ApplicantName, u"山田　太郎");
    r.set(Field::ApplicantKana, u"ﾔﾏﾀﾞ ﾀﾛｳ");
    r.set(Field::ApplicantZip, u"100-0013");
    r.set(Field::ApplicantAddr1, u"東京都千代田区霞が関１－２－３");
    r.set(Field::ApplicantAddr2, u"ベルモラハイツ１０１号");
    r.set(Field::ApplicantTel, u"03-1234-5678");
    return r;
}

// A main window that does nothing when a dialog asks it for something.
struct NoMainWindow : MainWindowLink {
    QWidget* mainWidget() override { return nullptr; }
    void trackWindow(QWidget*) override {}
    void DelGrid2Mem(int) override {}
    void DataSort() override {}
    void LimitCheck() override {}
};

struct Sample {
    AppState state;
    NoMainWindow mainWindow;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2026, 2, 10)};

    Sample() {
        fonts::installSubstitutions();
        EXPECT_TRUE(state.store.append(sampleStation()));
        state.store.CurrentIndex = 1;
    }
};

} // namespace

TEST(EntryScreens, NewRegistrationDialog) {
    Sample s;
    frmNew dialog(s.state, s.prompter, s.clock, s.mainWindow);
    dialog.Text1[0]->setText(QStringLiteral("JA1XVM"));
    dialog.Text1[1]->setText(QStringLiteral(u"関第210345号"));
    dialog.Text1[2]->setText(QStringLiteral(u"山田　太郎"));
    dialog.Text1[3]->setText(QStringLiteral(u"ﾔﾏﾀﾞ ﾀﾛｳ"));
    dialog.Text1[5]->setText(QStringLiteral(u"東京都千代田区霞が関１－２－３"));
    dialog.show();
    saveAndCheck(dialog.grab().toImage(), QStringLiteral("entry_frmNew.png"));
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral(u"令和8年02月10日"));
}

TEST(EntryScreens, EditDialog) {
    Sample s;
    frmEdit dialog(s.state, s.prompter, s.mainWindow);
    dialog.show();
    saveAndCheck(dialog.grab().toImage(), QStringLiteral("entry_frmEdit.png"));
    EXPECT_EQ(dialog.Combo1->currentText(), QStringLiteral(u"移動局"));
}
