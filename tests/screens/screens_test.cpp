#include "entry/editstationdialog.h"
#include "entry/newstationdialog.h"
#include "mainwin/mainwindow.h"
#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/gui/mainwindowlink.h"
#include "platform/gui/printers.h"
#include "print/batchprintdialog.h"
#include "print/core/bureaufile.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/core/printfill.h"
#include "print/previewwindow.h"
#include "print/printdialog.h"
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "settings/aboutbox.h"
#include "settings/optionsdialog.h"
#include "support/output.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTableView>
#include <gtest/gtest.h>

// Every window and printed page as PNG in build/screens/, for people to look at (the README's
// pictures come from here, see tools/update-screenshots.sh). The tests only check that each
// picture was written and is not blank.

namespace {

void save(const QImage& image, const QString& name) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VELMORA_SCREENS_DIR)));
    const QString path = QStringLiteral(VELMORA_SCREENS_DIR "/") + name + QStringLiteral(".png");
    ASSERT_TRUE(image.save(path)) << qPrintable(path);
    const QImage written(path);
    EXPECT_FALSE(written.isNull() || isPlain(written, QColor::fromRgba(written.pixel(0, 0))))
        << qPrintable(path) << " is blank";
}

// Shows the window and saves what it looks like.
void shoot(QWidget& window, const QString& name) {
    window.show();
    save(window.grab().toImage(), name);
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
        for (const StationRecord& r : datafile::readFile(dataFile).records)
            (void)state.store.append(r);
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
    window.countdownTick();
    save(window.grab().toImage(), QStringLiteral("mainwin_mainwindow"));
    // Narrowed to the stations whose application window is open, and the colours' legend.
    window.setStateFilter(StationFilterModel::StateFilter::Open);
    save(window.grab().toImage(), QStringLiteral("mainwin_mainwindow_filtered"));
    window.showColourLegend();
    QWidget* legend = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("ColourLegend"))
            legend = top;
    }
    ASSERT_NE(legend, nullptr);
    save(legend->grab().toImage(), QStringLiteral("mainwin_colourlegend"));
}

// The dialogs that need nothing done to them before the picture.
TEST_F(Screens, EntryBatchAndSettingsDialogs) {
    NewStationDialog create(state, prompter, clock, mainWindow);
    shoot(create, QStringLiteral("entry_newstation"));
    EditStationDialog edit(state, prompter, mainWindow);
    shoot(edit, QStringLiteral("entry_editstation"));
    BatchPrintDialog batch(state, prompter, clock, printers);
    shoot(batch, QStringLiteral("print_batchprint"));
    OptionsDialog options(state, prompter, nullptr);
    shoot(options, QStringLiteral("settings_options"));
    AboutBox about(state, nullptr);
    shoot(about, QStringLiteral("settings_about"));
}

TEST_F(Screens, PrintDialogAndPreview) {
    {
        PrintDialog dialog(state, prompter, clock, printers);
        for (QCheckBox* box : dialog.documentChecks)
            box->setChecked(true);
        shoot(dialog, QStringLiteral("print_printdialog"));
        // An application date after the station's window closed: the warning line.
        for (int i = 0; i < 3; ++i)
            dialog.stepApplicationDate(0, +1);
        save(dialog.grab().toImage(), QStringLiteral("print_printdialog_outside_window"));
        ASSERT_TRUE(dialog.onPrintClicked());
    }
    state.settings.Zoom = 2;
    PreviewWindow view(state, prompter, printers);
    view.show();
    view.showFirstDocument();
    save(view.grab().toImage(), QStringLiteral("print_preview_form"));
}

// The three printed pages of the first station, at 150 dpi.
TEST_F(Screens, PrintedPages) {
    const BureauValues bureau =
        bureaufile::readBureauFile(state.program.path(bureaufile::fileName()), 1).values;
    PrintData remembered;
    remembered.PrintDateFlag = remembered.PrepayAnswer = remembered.RegisteredMail = 1;
    remembered.PrintAppDate = QStringLiteral(u"令和8年2月10日");
    const PrintData print =
        printfill::printDataForRecord(state.store.record(1), remembered, bureau, clock.today());
    SettingsValues settings;
    settings.dataColour = 0x8B0000; // dark blue, as users often choose for the entries
    const char* const names[] = {"page_form_station", "page_bureau_envelope_station",
                                 "page_return_envelope_station"};
    for (int doc = 0; doc < printfill::kDocumentCount; ++doc) {
        const QSizeF page = doc == 0 ? pagesize::a4() : pagesize::envelopeNaga3Landscape();
        QImage image = pagesize::pageImage(page, 150);
        {
            PainterSurface surface(image, page);
            EXPECT_TRUE(printfill::drawDocument(surface, doc, 3, {print, bureau, settings}).ok);
        }
        save(image, QLatin1String(names[doc]));
    }
}

} // namespace
