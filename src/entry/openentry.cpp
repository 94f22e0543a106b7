#include "entry/openentry.h"

#include "entry/frmedit.h"
#include "entry/frmnew.h"

namespace entry {

frmNew* openNewRegistration(AppState& state, Prompter& prompter, const Clock& clock,
                            MainWindowLink& mainWindow) {
    auto* dialog = new frmNew(state, prompter, clock, mainWindow, mainWindow.mainWidget());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow.trackWindow(dialog);
    dialog->show();
    return dialog;
}

frmEdit* openEdit(AppState& state, Prompter& prompter, MainWindowLink& mainWindow) {
    QWidget* main = mainWindow.mainWidget();
    // Only the main window's own child, not any edit dialog a test may have made.
    for (frmEdit* open : main->findChildren<frmEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
        // A closed one may linger until its deletion runs.
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* dialog = new frmEdit(state, prompter, mainWindow, main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow.trackWindow(dialog);
    dialog->show();
    return dialog;
}

} // namespace entry
