#include "entry/frmedit.h"
#include "entry/frmnew.h"
#include "entry/openentry.h"
#include "entryfixture.h"
#include "mainwin/frmmain.h"
#include "record/settingsfile.h"
#include "support/tempfolder.h"

#include <QPointer>
#include <memory>

namespace {

// The main window on a temporary program folder, with the entry dialogs plugged in as the
// program plugs them in.
class OpenEntryTest : public EntryTest {
protected:
    TempFolder program;

    std::unique_ptr<frmMain> start(std::vector<StationRecord> records) {
        state.program = ProgramInfo::withFolder(program.path());
        EXPECT_TRUE(settingsfile::WriteSettings(
            program.file(QLatin1String(settingsfile::kFileName)), SettingsValues()));
        WindowOpeners openers;
        openers.newRegistration = [this](frmMain& main) {
            entry::openNewRegistration(state, prompter, clock, main);
        };
        openers.edit = [this](frmMain& main) { entry::openEdit(state, prompter, main); };
        auto main = std::make_unique<frmMain>(state, prompter, clock, std::move(openers));
        load(std::move(records));
        main->show();
        return main;
    }

    static void runDeletions() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST_F(OpenEntryTest, NewRegistrationOpensModallyAndClosesWithTheMainWindow) {
    auto main = start({});
    main->newRegistrationCommand();
    EXPECT_FALSE(main->countdownRunning());
    QPointer<frmNew> dialog = main->findChild<frmNew*>();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    // Closing the main window closes it too, and it is deleted once closed.
    state.store.Modified = 0; // no save question on the way out
    main->close();
    runDeletions();
    EXPECT_FALSE(dialog);
}

TEST_F(OpenEntryTest, DoubleClickOpensOneEditDialogThatKeepsItsStation) {
    auto main = start({station(u"ＪＡ１ＡＡＡ"_qs, QDate(2025, 1, 31)),
                       station(u"ＪＡ２ＢＢＢ"_qs, QDate(2026, 1, 31)),
                       station(u"ＪＡ３ＣＣＣ"_qs, QDate(2027, 1, 31))});
    main->setCurrentRow(2);
    main->gridDoubleClicked();
    QPointer<frmEdit> dialog = main->findChild<frmEdit*>();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog->Text1[0]->text(), u"ＪＡ２ＢＢＢ"_qs);

    // Another double-click brings the same dialog forward, still on its station.
    main->setCurrentRow(3);
    main->gridDoubleClicked();
    EXPECT_EQ(main->findChildren<frmEdit*>().size(), 1);
    EXPECT_EQ(dialog->Text1[0]->text(), u"ＪＡ２ＢＢＢ"_qs);

    // Closing the main window closes the dialog too.
    state.store.Modified = 0;
    main->close();
    runDeletions();
    EXPECT_FALSE(dialog);
}
