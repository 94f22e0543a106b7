#pragma once

#include <functional>

class PrinterCatalogue;
class frmMain;

// The main window's print opener (WindowOpeners::print): "印刷の設定" for the record named by
// PrintRecordIndex, then the preview, which the main window closes with itself. printers must
// outlive the main window.
std::function<void(frmMain&)> printOpener(PrinterCatalogue& printers);
