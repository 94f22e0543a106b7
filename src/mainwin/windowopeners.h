#pragma once

#include <functional>

class MainWindow;

// How the main window opens the other windows, which live in other parts of the program and
// are plugged in by main(). Each is called with the main window; an empty one does nothing.
//
// - newRegistration: shown modally. The dialog appends its records to the store, and runs
//   sortByExpiry() and colourByExpiry() when it closes.
// - edit: shown without blocking; the store's CurrentIndex names the record. The dialog should
//   keep the store's rowId(CurrentIndex) and find the record again with rowOfId() before it
//   changes or deletes anything, since the register can be sorted or replaced meanwhile.
// - print: shown modally; the print data's PrintRecordIndex names the record.
// - batch: shown modally; prints the stations whose application window is open.
// - options: shown modally.
// - about: shown without blocking.
// A window shown without blocking should be passed to MainWindow::trackWindow() each time it is
// shown, so that closing the main window closes it.
struct WindowOpeners {
    std::function<void(MainWindow&)> newRegistration;
    std::function<void(MainWindow&)> edit;
    std::function<void(MainWindow&)> print;
    std::function<void(MainWindow&)> batch;
    std::function<void(MainWindow&)> options;
    std::function<void(MainWindow&)> about;
};
