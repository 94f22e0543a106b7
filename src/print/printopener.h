#pragma once

class Clock;
class MainWindowLink;
class PrinterCatalogue;
class Prompter;
struct AppState;

// "印刷の設定" for the record named by PrintRecordIndex, then the preview, which the main window
// closes with itself. printers must outlive the main window.
void openPrint(AppState& state, Prompter& prompter, const Clock& clock, PrinterCatalogue& printers,
               MainWindowLink& mainWindow);
