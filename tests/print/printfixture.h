#pragma once

#include "platform/clock.h"
#include "platform/gui/printers.h"
#include "print/core/bureaufile.h"
#include "record/appstate.h"
#include "record/datafile.h"
#include "support/output.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QFile>

// A program folder with the shipped bureau file, the sample register in its file order (record
// 1 ＪＡ１ＡＢＣ, Kantō, expiring 17 March 2027; record 2 ＪＲ６ＸＹＺ, an Okinawa club station;
// nine in all), a fixed clock and two made-up printers besides "PDF".
struct PrintFixture {
    TempFolder folder;
    AppState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2025, 4, 3)};
    PrinterCatalogue printers{{QStringLiteral("Printer A"), QStringLiteral("Printer B")},
                              QStringLiteral("Printer A")};

    PrintFixture() {
        state.program = ProgramInfo::withFolder(folder.path());
        QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName(),
                    state.program.path(bureaufile::fileName()));
        for (const StationRecord& r :
             datafile::readFile(QStringLiteral(VELMORA_TEST_DATA "/sample-register.stn")).records)
            (void)state.store.append(r);
        state.print.PrintRecordIndex = 1;
    }
};
