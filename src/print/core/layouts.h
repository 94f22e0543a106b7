#pragma once

#include "print/core/drawingsurface.h"
#include "record/printdata.h"
#include "record/settingsvalues.h"

// What the page layouts read: the print data, the bureau values and the print settings
// (offsets and colours).
struct PageInputs {
    const PrintData& print;
    const BureauValues& bureau;
    const SettingsValues& settings;
};

// mode: 1 = printer (or PDF), 3 = the preview's page buffer.
void SaiMen(DrawingSurface& surface, int mode, const PageInputs& inputs);
void FutoSotu(DrawingSurface& surface, int mode, const QString& note, const PageInputs& inputs);
void FutoHenshin(DrawingSurface& surface, int mode, const QString& note, const PageInputs& inputs);
