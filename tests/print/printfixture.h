#pragma once

#include "platform/clock.h"
#include "platform/gui/printers.h"
#include "print/core/bureaufile.h"
#include "record/appstate.h"
#include "record/datafile.h"
#include "support/output.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <optional>

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

    // Appends a copy of record 1 under another call sign and expiry; given an applicant's name
    // and address, with those as the only applicant's name and address.
    void addStation(const QString& callSign, QDate expiry,
                    std::optional<std::pair<QString, QString>> applicant = {}) {
        StationRecord r = state.store.record(1);
        r.set(Field::CallSign, callSign);
        r.setExpiry(expiry);
        if (applicant) {
            r.set(Field::ApplicantName, applicant->first);
            r.set(Field::ApplicantAddr1, applicant->second);
            r.set(Field::ApplicantAddr2, u"");
        }
        (void)state.store.append(r);
    }
};

// What a screen reader says for a box: its name, or for a combo box the caption labelling it
// (Qt on Linux names a combo box by its current item).
inline QString spokenName(QWidget* widget) {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(widget);
    if (qobject_cast<QComboBox*>(widget)) {
        const auto labels = box->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return box->text(QAccessible::Name);
}
