// Opens the print settings dialog from the main window, then the preview.
#include "print/printopener.h"

#include "platform/gui/mainwindowlink.h"
#include "print/previewwindow.h"
#include "print/printdialog.h"

void openPrint(AppState& state, Prompter& prompter, const Clock& clock, PrinterCatalogue& printers,
               MainWindowLink& mainWindow) {
    if (PreviewWindow* view =
            openPrintDialog(state, prompter, clock, printers, mainWindow.mainWidget()))
        mainWindow.trackWindow(view);
}
