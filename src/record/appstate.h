#pragma once

#include "platform/programinfo.h"
#include "record/printdata.h"
#include "record/recordstore.h"
#include "record/settingsvalues.h"

// Everything that lives for the whole run and that every window reads and writes. Owned by
// main (or by a test) and passed by reference to each window.
struct AppState {
    ProgramInfo program;
    RecordStore store;
    SettingsValues settings;
    PrintData print;
    BureauValues bureau;
};
