#include "entry/openentry.h"

#include "entry/editstationdialog.h"
#include "entry/newstationdialog.h"

namespace entry {

NewStationDialog* openNewRegistration(AppState& state, Prompter& prompter, const Clock& clock,
                                      MainWindowLink& mainWindow) {
    auto* dialog =
        new NewStationDialog(state, prompter, clock, mainWindow, mainWindow.mainWidget());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow.trackWindow(dialog);
    dialog->show();
    return dialog;
}

EditStationDialog* openEdit(AppState& state, Prompter& prompter, MainWindowLink& mainWindow) {
    QWidget* main = mainWindow.mainWidget();
    // Only the main window's own child, not any edit dialog a test may have made.
    for (EditStationDialog* open :
         main->findChildren<EditStationDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        // A closed one may linger until its deletion runs.
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* dialog = new EditStationDialog(state, prompter, mainWindow, main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow.trackWindow(dialog);
    dialog->show();
    return dialog;
}

} // namespace entry
