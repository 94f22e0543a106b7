#pragma once

#include "print/core/printfill.h"
#include "record/printdata.h"
#include "record/settingsvalues.h"
#include "record/stationrecord.h"

#include <QDate>
#include <QPageLayout>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;

// Many stations' documents as one print job. One painter draws every page, so a PDF embeds
// each font once; the pages come from the same layouts as a single print, with the print data
// the print dialog would store for each station given the shared answers.
//
// Page order: the application forms of all stations, then the bureau envelopes, then the return
// envelopes, each in the order of the stations. A printer takes one kind of paper at a time,
// and the envelopes come out in the order of the forms.
//
// The batch print dialog and velmora-tool batch both print through here.
namespace batchprint {

struct Station {
    int number = 0; // its number in the program's order, to name it in messages
    StationRecord record;
};

struct Request {
    std::vector<Station> stations;
    std::array<bool, printfill::kDocumentCount> docs{true, true, true};
    // The print dialog's remembered answers that every page shares: PrintDateFlag and
    // PrintAppDate, PrepayAnswer, PrepayPeriod, PrepayYears, DisposalHistory, RegisteredMail.
    PrintData answers;
    std::optional<bool> club; // none: as each record's club name says
    SettingsValues settings;  // offsets and colours
    QString bureauFile;
    QDate today; // the application date when answers hold none
};

// The paper of the forms and of the envelopes; an invalid layout leaves the device's paper.
struct Paper {
    QPageLayout form;
    QPageLayout envelope;
};

int pageCount(const Request& request);

// Called after each page with the pages done and the total; false cancels the batch.
using Progress = std::function<bool(int done, int total)>;

struct Outcome {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Done;
    int pages = 0;
    QString error; // Failed: what went wrong, naming the station where it stopped
    bool done() const { return status == Status::Done; }
};

// A station as the messages name it: "ＪＡ１ＡＢＣ（12番）".
QString stationName(const Station& station);

// What the caller adds for its device. check reports a device that stopped taking pages (a
// PDF that cannot be written any more), asked after each page: nothing while all is well.
// abort runs before the painter ends on a cancelled or failed batch, so that a printer drops
// the job rather than printing part of it.
struct DeviceHooks {
    std::function<std::optional<QString>()> check;
    std::function<void()> abort;
};

// Draws every page on device, which must not be painted on yet: one painter from the first
// page to the last, a new page between pages. The bureau file is read (once per bureau) before
// the first page, so a missing file fails before anything is printed.
Outcome drawPages(QPagedPaintDevice& device, const Request& request, const Paper& paper,
                  const Progress& progress, const DeviceHooks& hooks = {});

// The batch as one PDF file at path, at 600 dpi, written as a whole once every page is drawn: a
// cancelled or failed batch leaves the old file as it was and no temporary file. A file that
// cannot be written fails with the reason only, in Japanese: the caller names the file.
Outcome writePdf(const QString& path, const Request& request, const Paper& paper,
                 const Progress& progress);

} // namespace batchprint
