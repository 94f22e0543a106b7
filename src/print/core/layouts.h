#pragma once

#include "print/core/drawingsurface.h"
#include "record/printdata.h"
#include "record/result.h"
#include "record/settingsvalues.h"

// What the page layouts read: the print data, the bureau values and the print settings
// (offsets and colours). The layouts read nothing else: no clock, no window, no file.
struct PageInputs {
    const PrintData& print;
    const BureauValues& bureau;
    const SettingsValues& settings;
};

// The page layouts. mode: 1 = printer (or PDF), 3 = the preview's page buffer; the form ignores
// it, the envelopes draw their thick frames 6 ÷ mode pixels wide. Each sets up its own scale,
// font and colours, and leaves the surface as its last step set it. They neither clear the
// surface nor end a print job.
//
// A failure (offsets so large that the 32-bit page arithmetic overflows, or mode 0) stops the
// drawing where it happens and comes back as the error text; the caller decides what to show.
// Callers that print only from valid settings may ignore the result.
Result drawApplicationForm(DrawingSurface& surface, int mode, const PageInputs& inputs);
Result drawBureauEnvelope(DrawingSurface& surface, int mode, const QString& note,
                          const PageInputs& inputs);
Result drawReturnEnvelope(DrawingSurface& surface, int mode, const QString& note,
                          const PageInputs& inputs);
