#include "entry/openentry.h"
#include "mainwin/frmmain.h"
#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/gui/printers.h"
#include "platform/gui/qtprompter.h"
#include "print/frmbatch.h"
#include "print/frmview.h"
#include "print/printopener.h"
#include "record/appstate.h"
#include "settings/appicon.h"
#include "settings/frmabout.h"
#include "settings/frmoptions.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

// The options dialog changes what the preview shows, so an open preview is closed first.
void closePreviews() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<frmView*>(window))
            preview->close();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(appIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    fonts::installSubstitutions();
    // The program speaks Japanese whatever the system's language: so do Qt's own buttons.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    AppState state;
    state.program = ProgramInfo::forRunningProgram();
    QtPrompter prompter;
    SystemClock clock;
    const std::unique_ptr<PrinterCatalogue> printers = PrinterCatalogue::system();

    WindowOpeners openers;
    openers.newRegistration = [&state, &prompter, &clock](frmMain& main) {
        entry::openNewRegistration(state, prompter, clock, main);
    };
    openers.edit = [&state, &prompter](frmMain& main) { entry::openEdit(state, prompter, main); };
    openers.print = [&state, &prompter, &clock, &printers](frmMain& main) {
        openPrint(state, prompter, clock, *printers, main);
    };
    openers.batch = [&state, &prompter, &clock, &printers](frmMain& main) {
        openBatchPrint(state, prompter, clock, *printers, main);
    };
    openers.options = [&state, &prompter](frmMain& main) {
        frmOptions dialog(state, prompter, &main, &closePreviews);
        dialog.exec();
    };
    // One version box: a second "バージョン" brings the open one to the front.
    QPointer<frmAbout> aboutBox;
    openers.about = [&state, &aboutBox](frmMain& main) {
        if (!aboutBox) {
            aboutBox = new frmAbout(state, &main);
            aboutBox->setAttribute(Qt::WA_DeleteOnClose);
        }
        main.trackWindow(aboutBox);
        aboutBox->show();
        aboutBox->raise();
        aboutBox->activateWindow();
    };

    frmMain window(state, prompter, clock, std::move(openers));
    QObject::connect(&window, &frmMain::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
