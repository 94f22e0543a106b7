#include "mainwin/frmmain.h"
#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/gui/qtprompter.h"
#include "record/appstate.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::installSubstitutions();

    AppState state;
    state.program = ProgramInfo::forRunningProgram();
    QtPrompter prompter;
    SystemClock clock;

    // The other windows are plugged in here as they are built.
    WindowOpeners openers;
    openers.newRegistration = [](frmMain&) {};
    openers.edit = [](frmMain&) {};
    openers.print = [](frmMain&) {};
    openers.options = [](frmMain&) {};
    openers.about = [](frmMain&) {};

    frmMain window(state, prompter, clock, std::move(openers));
    QObject::connect(&window, &frmMain::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
