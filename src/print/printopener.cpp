#include "print/printopener.h"

#include "platform/gui/mainwindowlink.h"
#include "print/frmprint.h"
#include "print/frmview.h"

void openPrint(AppState& state, Prompter& prompter, const Clock& clock, PrinterCatalogue& printers,
               MainWindowLink& mainWindow) {
    if (frmView* view = openPrintDialog(state, prompter, clock, printers, mainWindow.mainWidget()))
        mainWindow.trackWindow(view);
}
