#pragma once

#include <functional>

// The main window's public operations that the entry dialogs call: deleting a record, and the
// sort and expiry colouring that run whenever a dialog closes. The program passes frmMain's own;
// tests may pass the record checks directly.
struct MainWindowOps {
    std::function<void(int row)> DelGrid2Mem;
    std::function<void()> DataSort;
    std::function<void()> LimitCheck;
};
