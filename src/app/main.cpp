#include "entry/openentry.h"
#include "mainwin/mainwindow.h"
#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/gui/printers.h"
#include "platform/gui/qtprompter.h"
#include "platform/gui/qttranslation.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignal.h"
#include "print/batchprintdialog.h"
#include "print/core/bureaufile.h"
#include "print/previewwindow.h"
#include "print/printopener.h"
#include "record/appstate.h"
#include "settings/aboutbox.h"
#include "settings/appicon.h"
#include "settings/optionsdialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

namespace {

// The options dialog changes what the preview shows, so an open preview is closed first.
void closePreviews() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<PreviewWindow*>(window))
            preview->close();
    }
}

// Esc to every open box and Cancel to every dialog, the innermost first. False when one stays
// open (a box without a safe answer), which keeps the program open too.
bool dismissModalWindows() {
    QWidget* previous = nullptr;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == previous)
            return false;
        previous = modal;
        modal->close();
    }
    return true;
}

// A later start asked for the program: the main window, or the box it is waiting on, comes to
// the front.
void bringToFront(QWidget* mainWindow) {
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = mainWindow;
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ProgramInfo program = ProgramInfo::forRunningProgram({bureaufile::fileName()});
    // "velmora FILE.stn", as the desktop starts it for a data file. Made absolute: the running
    // program it may be handed to works in another folder.
    const QStringList arguments = QApplication::arguments();
    const QString fileToOpen =
        arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();
    // One program per program folder: a second start brings the running one to the front, has
    // it open its file, and ends before it has built anything.
    SingleInstance instance(program.folder);
    if (instance.start(fileToOpen) == SingleInstance::Start::HandedOver)
        return 0;
    // Asked to end by the system, the program ends as the user would end it: what is open is
    // dismissed, then 終了, which still asks about unsaved changes.
    TerminationSignal termination;
    QPointer<MainWindow> mainWindow;
    // A file asked for before the window stands (while its start-up shows a message) waits.
    QString fileHandedOver;
    QObject::connect(&instance, &SingleInstance::requested, &app,
                     [&mainWindow, &fileHandedOver](const QString& filePath) {
                         if (!mainWindow) {
                             if (!filePath.isEmpty())
                                 fileHandedOver = filePath;
                             return;
                         }
                         bringToFront(mainWindow);
                         // While a box or dialog waits for an answer the register is in use:
                         // the window only comes to the front.
                         if (!filePath.isEmpty() && !QApplication::activeModalWidget())
                             mainWindow->openFromDesktop(filePath);
                     });
    QObject::connect(&termination, &TerminationSignal::terminate, &app, [&mainWindow] {
        if (dismissModalWindows() && mainWindow)
            mainWindow->close();
    });
    QApplication::setWindowIcon(appIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    fonts::installSubstitutions();
    installJapaneseQtTexts(app);

    AppState state;
    state.program = std::move(program);
    QtPrompter prompter;
    SystemClock clock;
    const std::unique_ptr<PrinterCatalogue> printers = PrinterCatalogue::system();

    WindowOpeners openers;
    openers.newRegistration = [&state, &prompter, &clock](MainWindow& main) {
        entry::openNewRegistration(state, prompter, clock, main);
    };
    openers.edit = [&state, &prompter](MainWindow& main) {
        entry::openEdit(state, prompter, main);
    };
    openers.print = [&state, &prompter, &clock, &printers](MainWindow& main) {
        openPrint(state, prompter, clock, *printers, main);
    };
    openers.batch = [&state, &prompter, &clock, &printers](MainWindow& main) {
        openBatchPrint(state, prompter, clock, *printers, main);
    };
    openers.options = [&state, &prompter](MainWindow& main) {
        OptionsDialog dialog(state, prompter, &main, &closePreviews);
        dialog.exec();
    };
    // One version box: a second "バージョン" brings the open one to the front.
    QPointer<AboutBox> aboutBox;
    openers.about = [&state, &aboutBox](MainWindow& main) {
        if (!aboutBox) {
            aboutBox = new AboutBox(state, &main);
            aboutBox->setAttribute(Qt::WA_DeleteOnClose);
        }
        main.trackWindow(aboutBox);
        aboutBox->show();
        aboutBox->raise();
        aboutBox->activateWindow();
    };

    MainWindow window(state, prompter, clock, std::move(openers), nullptr, fileToOpen);
    QObject::connect(&window, &MainWindow::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    mainWindow = &window;
    if (!fileHandedOver.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, fileHandedOver] { window.openFromDesktop(fileHandedOver); });
    // Asked while the window was starting (its first message, say): end once it stands.
    if (termination.received())
        QTimer::singleShot(0, &window, &QWidget::close);
    return app.exec();
}
