#include "entry/editstationdialog.h"
#include "mainwin/mainwindow.h"
#include "platform/gui/fonts.h"
#include "platform/gui/mainwindowlink.h"
#include "platform/gui/printers.h"
#include "print/core/bureaufile.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/previewwindow.h"
#include "print/printdialog.h"
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "settings/optionsdialog.h"
#include "support/output.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QCheckBox>
#include <QDir>
#include <QTableView>
#include <gtest/gtest.h>

// The windows, dialogs and the application form as PNG in build/screens/, for people to look at
// (the README's pictures come from here, see tools/update-screenshots.sh). The tests only check
// that each picture was written and is not blank.

namespace {

void save(const QImage& image, const QString& name) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VELMORA_SCREENS_DIR)));
    const QString path = QStringLiteral(VELMORA_SCREENS_DIR "/") + name + QStringLiteral(".png");
    ASSERT_TRUE(image.save(path)) << qPrintable(path);
    const QImage written(path);
    EXPECT_FALSE(written.isNull() || isPlain(written, QColor::fromRgba(written.pixel(0, 0))))
        << qPrintable(path) << " is blank";
}

struct NoMainWindow : MainWindowLink {
    QWidget* mainWidget() override { return nullptr; }
    void trackWindow(QWidget*) override {}
    void deleteRecord(int) override {}
    void sortByExpiry() override {}
    void colourByExpiry() override {}
    void beginRegisterChange(const QString&) override {}
    void commitRegisterChange() override {}
};

// The sample register (tests/data/sample-register.stn: nine stations whose licences expire
// 400, 300, 150, 60, 40, 10, −20, 900 and 10 days after 10 February 2026) in a program folder
// with the bureau file, at its first station; "PDF" as the printer.
struct Screens : testing::Test {
    TempFolder folder;
    AppState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2026, 2, 10)};
    NoMainWindow mainWindow;
    PrinterCatalogue printers{{}, QString()};
    const QString dataFile = folder.file(QStringLiteral("sample.stn"));

    Screens() {
        fonts::installSubstitutions();
        state.program = ProgramInfo::withFolder(folder.path());
        QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName(),
                    state.program.path(bureaufile::fileName()));
        QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/sample-register.stn"), dataFile);
        (void)state.store.load(datafile::readFile(dataFile).records);
        state.store.CurrentIndex = state.print.PrintRecordIndex = 1;
    }
};

TEST_F(Screens, MainWindowWithEveryExpiryColour) {
    SettingsValues settings;
    settings.DataFile = dataFile;
    settings.MainWidth = 14000;
    settings.MainHeight = 5200;
    ASSERT_TRUE(
        settingsfile::WriteSettings(folder.file(QLatin1String(settingsfile::kFileName)), settings));
    AppState fresh;
    fresh.program = state.program;
    MainWindow window(fresh, prompter, clock);
    window.show();
    window.recordGrid->selectRow(2);
    save(window.grab().toImage(), QStringLiteral("mainwin_mainwindow"));
    // Narrowed to the stations whose application window is open.
    window.setStateFilter(StationFilterModel::StateFilter::Open);
    save(window.grab().toImage(), QStringLiteral("mainwin_mainwindow_filtered"));
}

// The dialogs, the print preview and the application form of the first station (at 150 dpi).
TEST_F(Screens, DialogsPreviewAndForm) {
    EditStationDialog edit(state, prompter, mainWindow);
    edit.show();
    save(edit.grab().toImage(), QStringLiteral("entry_editstation"));
    OptionsDialog options(state, prompter, nullptr);
    options.show();
    save(options.grab().toImage(), QStringLiteral("settings_options"));
    {
        PrintDialog dialog(state, prompter, clock, printers);
        for (QCheckBox* box : dialog.documentChecks)
            box->setChecked(true);
        dialog.show();
        save(dialog.grab().toImage(), QStringLiteral("print_printdialog"));
        ASSERT_TRUE(dialog.onPrintClicked());
    }
    state.settings.Zoom = 2;
    PreviewWindow view(state, prompter, printers);
    view.show();
    view.showFirstDocument();
    save(view.grab().toImage(), QStringLiteral("print_preview_form"));

    const BureauValues bureau =
        bureaufile::readBureauFile(state.program.path(bureaufile::fileName()), 1).values;
    PrintData remembered;
    remembered.PrintDateFlag = remembered.PrepayAnswer = remembered.RegisteredMail = 1;
    remembered.PrintAppDate = QStringLiteral(u"令和8年2月10日");
    const PrintData print =
        printfill::printDataForRecord(state.store.record(1), remembered, bureau, clock.today());
    SettingsValues settings;
    settings.dataColour = 0x8B0000; // dark blue, as users often choose for the entries
    QImage image = pagesize::pageImage(pagesize::a4(), 150);
    {
        PainterSurface surface(image, pagesize::a4());
        EXPECT_TRUE(printfill::drawDocument(surface, 0, 3, {print, bureau, settings}).ok);
    }
    save(image, QStringLiteral("page_form_station"));
}

} // namespace
