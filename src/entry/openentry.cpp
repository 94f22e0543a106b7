#include "entry/openentry.h"

#include "entry/frmedit.h"
#include "entry/frmnew.h"
#include "mainwin/frmmain.h"

namespace entry {

MainWindowOps mainWindowOps(frmMain& main) {
    MainWindowOps ops;
    ops.DelGrid2Mem = [&main](int row) { main.DelGrid2Mem(row); };
    ops.DataSort = [&main] { main.DataSort(); };
    ops.LimitCheck = [&main] { main.LimitCheck(); };
    return ops;
}

frmNew* openNewRegistration(frmMain& main) {
    auto* dialog = new frmNew(main.state(), main.grid(), main.prompter(), main.clock(),
                              mainWindowOps(main), &main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    main.trackWindow(dialog);
    dialog->show();
    return dialog;
}

frmEdit* openEdit(frmMain& main) {
    // Only the main window's own child, not any edit dialog a test may have made.
    for (frmEdit* open : main.findChildren<frmEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
        // A closed one may linger until its deletion runs.
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* dialog =
        new frmEdit(main.state(), main.grid(), main.prompter(), mainWindowOps(main), &main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    main.trackWindow(dialog);
    dialog->show();
    return dialog;
}

} // namespace entry
