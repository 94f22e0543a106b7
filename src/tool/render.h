#pragma once

#include "record/printdata.h"
#include "record/result.h"
#include "record/settingsvalues.h"
#include "tool/printanswers.h"

#include <QDate>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

namespace tool {

// What `velmora-tool render` was asked for.
struct RenderOptions : PrintAnswers {
    QString dataFile;
    int record = 0;   // 1-based, in the register's sorted order
    int document = 0; // index of PrintDocs: 0 form, 1 bureau envelope, 2 return envelope
    QString out;
    bool pdf = true; // else PNG
    int dpi = 150;   // PNG only
};

// Reads the arguments after "render"; the error text tells what is wrong.
struct ParsedRender {
    Result result;
    RenderOptions options;
};
ParsedRender parseRenderOptions(const QStringList& args);

// Everything one page needs, as the print dialog would have stored it for that record.
struct RenderJob {
    Result result;
    PrintData print;
    BureauValues bureau;
    SettingsValues settings;
    QSizeF pageTwips;
};
RenderJob prepareRender(const RenderOptions& options, QDate today);

// Draws the page into options.out: PDF as the printer receives it, PNG as the preview shows it.
Result writeRender(const RenderOptions& options, const RenderJob& job);

// velmora-tool render FILE.stn --record N --doc form|bureau|return --out OUT.pdf|OUT.png ...
int render(const QStringList& args);

} // namespace tool
