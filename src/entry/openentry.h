#pragma once

class Clock;
class MainWindowLink;
class Prompter;
class EditStationDialog;
class NewStationDialog;
struct AppState;

// How the main window opens the entry dialogs (plugged into its openers by main()).
namespace entry {

// Shows "新規登録" modally over the main window. The dialog deletes itself when it closes.
NewStationDialog* openNewRegistration(AppState& state, Prompter& prompter, const Clock& clock,
                                      MainWindowLink& mainWindow);

// Shows "登録データの編集" for the store's CurrentIndex, without blocking the main window. While
// one is open it is only brought to the front, still showing the station it was loaded with.
// The dialog deletes itself when it closes.
EditStationDialog* openEdit(AppState& state, Prompter& prompter, MainWindowLink& mainWindow);

} // namespace entry
