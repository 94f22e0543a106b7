#pragma once

#include "entry/mainwindowops.h"

class frmEdit;
class frmMain;
class frmNew;

// How the main window opens the entry dialogs (plugged into its WindowOpeners by main()).
namespace entry {

// The main window's own record checks, for the dialogs to call.
MainWindowOps mainWindowOps(frmMain& main);

// Shows "新規登録" modally over the main window. The dialog deletes itself when it closes.
frmNew* openNewRegistration(frmMain& main);

// Shows "登録データの編集" for the store's CurrentIndex, without blocking the main window. While
// one is open it is only brought to the front, still showing the station it was loaded with.
// The dialog deletes itself when it closes.
frmEdit* openEdit(frmMain& main);

} // namespace entry
