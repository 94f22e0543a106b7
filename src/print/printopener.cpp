#include "print/printopener.h"

#include "mainwin/frmmain.h"
#include "print/frmprint.h"
#include "print/frmview.h"

std::function<void(frmMain&)> printOpener(PrinterCatalogue& printers) {
    return [&printers](frmMain& main) {
        if (frmView* view =
                openPrintDialog(main.state(), main.prompter(), main.clock(), printers, &main))
            main.trackWindow(view);
    };
}
