// The main window opens both entry dialogs as the program plugs them in, and closes them with it.
#include "entry/openentry.h"
#include "entryfixture.h"
#include "mainwin/mainwindow.h"
#include "record/settingsfile.h"
#include "support/tempfolder.h"

#include <QPointer>

using OpenEntry = EntryTest;

// The main window on a temporary program folder, with the entry dialogs plugged in as the
// program plugs them in.
TEST_F(OpenEntry, DialogsOpenFromTheMainWindowAndCloseWithIt) {
    TempFolder program;
    state.program = ProgramInfo::withFolder(program.path());
    EXPECT_TRUE(settingsfile::WriteSettings(program.file(QLatin1String(settingsfile::kFileName)),
                                            SettingsValues()));
    WindowOpeners openers;
    openers.newRegistration = [this](MainWindow& main) {
        entry::openNewRegistration(state, prompter, clock, main);
    };
    openers.edit = [this](MainWindow& main) { entry::openEdit(state, prompter, main); };
    auto main = std::make_unique<MainWindow>(state, prompter, clock, std::move(openers));
    loadThree();
    main->show();
    main->setCurrentRow(2);
    main->gridDoubleClicked();
    QPointer<EditStationDialog> edit = main->findChild<EditStationDialog*>();
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->isVisible() && edit->windowModality() == Qt::NonModal);
    // Another double-click brings the same dialog forward, still on its station.
    main->setCurrentRow(3);
    main->gridDoubleClicked();
    EXPECT_EQ(main->findChildren<EditStationDialog*>().size(), 1);
    EXPECT_EQ(edit->fieldBoxes[0]->text(), u"ＪＡ２ＢＢＢ"_qs);

    main->newRegistrationCommand();
    QPointer<NewStationDialog> registration = main->findChild<NewStationDialog*>();
    ASSERT_TRUE(registration);
    EXPECT_TRUE(registration->isVisible() &&
                registration->windowModality() == Qt::ApplicationModal);

    // Closing the main window (nothing changed: no save question) closes both, and each is
    // deleted once closed.
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(edit);
    EXPECT_FALSE(registration);
}
