#pragma once

#include "platform/clock.h"
#include "platform/gui/printers.h"
#include "print/core/bureaufile.h"
#include "record/appstate.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QFile>

// An application state with one program folder holding the shipped bureau file, a register of
// stations, a fixed clock and a printer list of two made-up printers plus "PDF".
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
        (void)state.store.append(station(u"JA1ABC", QDate(2030, 2, 28), u""));
        (void)state.store.append(station(u"ＪＲ６ＸＹＺ", QDate(2028, 2, 28), u"沖縄無線クラブ"));
        state.print.PrintRecordIndex = 1;
    }

    static StationRecord station(QStringView callSign, QDate expiry, QStringView club) {
        StationRecord r;
        r.set(Field::CallSign, callSign);
        r.set(Field::LicenceNo, u"第12345号");
        r.setExpiry(expiry);
        r.set(Field::ClubName, club);
        r.set(Field::ApplicantName, u"山田　太郎");
        r.set(Field::ApplicantZip, u"123-4567");
        r.set(Field::ApplicantAddr1, u"東京都千代田区");
        return r;
    }
};
