#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/gui/printers.h"
#include "print/core/bureaufile.h"
#include "print/frmbatch.h"
#include "print/frmprint.h"
#include "print/frmview.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include "screenshot.h"

// The print settings dialog and the preview window of a sample station.

namespace {

struct Sample {
    TempFolder folder;
    AppState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2026, 2, 10)};
    PrinterCatalogue printers{{}, QString()};

    Sample() {
        fonts::installSubstitutions();
        state.program = ProgramInfo::withFolder(folder.path());
        QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName(),
                    state.program.path(bureaufile::fileName()));
        StationRecord r;
        r.set(Field::CallSign, u"ＪＡ１ＸＶＭ");
        r.set(Field::LicenceNo, u"関第２１０３４５号");
        r.setExpiry(QDate(2026, 5, 31));
        r.set(Field::ClubName, u"ベルモラ無線クラブ");
        r.set(Field::ClubKana, u"ベルモラムセンクラブ");
        r.set(Field::StationZip, u"100-0013");
        r.set(Field::StationAddr1, u"東京都千代田区霞が関１－２－３");
        r.set(Field::ApplicantZip, u"100-0013");
        r.set(Field::ApplicantAddr1, u"東京都千代田区霞が関１－２－３");
        r.set(Field::ApplicantAddr2, u"ベルモラハイツ１０１号");
        r.set(Field::ApplicantName, u"山田　太郎");
        r.set(Field::ApplicantKana, u"ヤマダ　タロウ");
        r.set(Field::ApplicantTel, u"03-1234-5678");
        (void)state.store.append(r);
        state.print.PrintRecordIndex = 1;
    }
};

} // namespace

TEST(PrintWindowScreens, PrintSettingsDialog) {
    Sample s;
    frmPrint dialog(s.state, s.prompter, s.clock, s.printers);
    dialog.Check1[0]->setChecked(true);
    dialog.Check1[1]->setChecked(true);
    dialog.show();
    saveAndCheck(dialog.grab().toImage(), QStringLiteral("print_frmPrint.png"));

    // An application date after the window closed (30 April): the warning line.
    for (int i = 0; i < 3; ++i)
        dialog.UpDown1Click(1, +1);
    saveAndCheck(dialog.grab().toImage(), QStringLiteral("print_frmPrint_outside_window.png"));

    // The blink's red phase, with nothing ticked.
    dialog.Check1[0]->setChecked(false);
    dialog.Check1[1]->setChecked(false);
    dialog.Command2Click();
    dialog.Timer1Timer();
    saveAndCheck(dialog.grab().toImage(), QStringLiteral("print_frmPrint_blink.png"));
}

TEST(PrintWindowScreens, PreviewWindow) {
    Sample s;
    {
        frmPrint dialog(s.state, s.prompter, s.clock, s.printers);
        for (QCheckBox* box : dialog.Check1)
            box->setChecked(true);
        ASSERT_TRUE(dialog.Command2Click());
    }
    s.state.settings.Zoom = 2;
    frmView view(s.state, s.prompter, s.printers);
    view.show();
    view.showFirstDocument();
    saveAndCheck(view.grab().toImage(), QStringLiteral("print_frmView_form.png"));
    view.Command2Click();
    saveAndCheck(view.grab().toImage(), QStringLiteral("print_frmView_bureau_envelope.png"));
    view.Command2Click();
    saveAndCheck(view.grab().toImage(), QStringLiteral("print_frmView_return_envelope.png"));
}

TEST(PrintWindowScreens, BatchPrintDialog) {
    Sample s;
    // Today 2026-02-10: one station in each state, two of them due.
    const std::array<QDate, 5> expiries{QDate(2026, 1, 31), QDate(2026, 2, 20), QDate(2026, 3, 15),
                                        QDate(2026, 7, 31), QDate(2027, 1, 10)};
    for (size_t i = 0; i < expiries.size(); ++i) {
        StationRecord r = s.state.store.record(1);
        r.set(Field::CallSign, QStringLiteral("ＪＡ%1ＢＡＴ").arg(i + 2));
        r.setExpiry(expiries[i]);
        (void)s.state.store.append(r);
    }
    frmBatch dialog(s.state, s.prompter, s.clock, s.printers);
    dialog.show();
    saveAndCheck(dialog.grab().toImage(), QStringLiteral("print_frmBatch.png"));
}
