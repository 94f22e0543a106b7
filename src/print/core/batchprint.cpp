// Many stations' documents drawn by one painter, on a printer or into one PDF written whole.
#include "print/core/batchprint.h"

#include "platform/width.h"
#include "print/core/bureaufile.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "record/wholefile.h"

#include <QBuffer>
#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <map>

namespace batchprint {

namespace {

constexpr int kPdfResolution = 600; // as a common office printer draws

Outcome failure(int pages, QString error) {
    return {Outcome::Status::Failed, pages, std::move(error)};
}

// The bureau of every station, read once per bureau before the first page.
struct Bureaus {
    std::map<int, BureauValues> byArea;
    QString error;
};

Bureaus readBureaus(const Request& request) {
    Bureaus bureaus;
    for (const Station& station : request.stations) {
        const int area = bureaufile::areaIndexForCallSign(station.record.unpadded(Field::CallSign));
        if (bureaus.byArea.count(area))
            continue;
        const bureaufile::ReadOutcome read = bureaufile::readBureauFile(request.bureauFile, area);
        if (read.status == bureaufile::ReadOutcome::Status::Missing) {
            bureaus.error = bureaufile::missingMessage() + QStringLiteral("\n") +
                            QDir::toNativeSeparators(request.bureauFile);
            return bureaus;
        }
        if (read.status == bureaufile::ReadOutcome::Status::ReadError) {
            bureaus.error =
                QStringLiteral("%1で止まりました。\n%2").arg(stationName(station), read.error);
            return bureaus;
        }
        bureaus.byArea[area] = read.values;
    }
    return bureaus;
}

} // namespace

int pageCount(const Request& request) {
    int docs = 0;
    for (bool doc : request.docs)
        docs += doc ? 1 : 0;
    return docs * int(request.stations.size());
}

QString stationName(const Station& station) {
    return QStringLiteral("%1（%2番）")
        .arg(width::toFullWidth(station.record.trimmed(Field::CallSign)))
        .arg(station.number);
}

Outcome drawPages(QPagedPaintDevice& device, const Request& request, const Paper& paper,
                  const Progress& progress, const DeviceHooks& hooks) {
    const int total = pageCount(request);
    if (total == 0)
        return failure(0, QStringLiteral("印刷するページがありません。"));
    const Bureaus bureaus = readBureaus(request);
    if (!bureaus.error.isEmpty())
        return failure(0, bureaus.error);

    // The pages are laid out from the corner of the paper, as a single print's are.
    const auto envelope = [](int doc) { return doc != printfill::ApplicationForm; };
    const auto usePaper = [&](int doc) {
        const QPageLayout& layout = envelope(doc) ? paper.envelope : paper.form;
        if (layout.isValid())
            device.setPageLayout(QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF()));
    };
    int firstDoc = 0;
    while (!request.docs[size_t(firstDoc)])
        ++firstDoc;
    usePaper(firstDoc);

    QPainter painter;
    if (!painter.begin(&device))
        return failure(0, QStringLiteral("印刷を始められませんでした。"));
    Outcome outcome;
    const auto abandon = [&] {
        if (hooks.abort)
            hooks.abort();
        painter.end();
    };
    const auto stoppedAt = [&](const Station& station, const QString& why) {
        abandon();
        return failure(outcome.pages,
                       QStringLiteral("%1で止まりました。\n%2").arg(stationName(station), why));
    };
    bool onEnvelopes = envelope(firstDoc);
    for (int doc = firstDoc; doc < printfill::kDocumentCount; ++doc) {
        if (!request.docs[size_t(doc)])
            continue;
        for (const Station& station : request.stations) {
            if (outcome.pages > 0) {
                // A new paper applies from the next page on.
                if (envelope(doc) != onEnvelopes) {
                    onEnvelopes = envelope(doc);
                    usePaper(doc);
                }
                if (!device.newPage())
                    return stoppedAt(station, QStringLiteral("次のページを始められませんでした。"));
            }
            const int area =
                bureaufile::areaIndexForCallSign(station.record.unpadded(Field::CallSign));
            const BureauValues& bureau = bureaus.byArea.at(area);
            PrintData print = printfill::printDataForRecord(station.record, request.answers, bureau,
                                                            request.today);
            if (request.club)
                print.PrintClubFlag = *request.club ? 1 : 0;
            PainterSurface surface(painter, pagesize::twipsOf(device.pageLayout()));
            const Result drawn = printfill::drawDocument(
                surface, doc, 1, PageInputs{print, bureau, request.settings});
            if (!drawn)
                return stoppedAt(station, drawn.error);
            ++outcome.pages;
            if (hooks.check) {
                if (const std::optional<QString> error = hooks.check())
                    return stoppedAt(station, *error);
            }
            if (progress && !progress(outcome.pages, total)) {
                abandon();
                outcome.status = Outcome::Status::Cancelled;
                return outcome;
            }
        }
    }
    if (!painter.end())
        return failure(outcome.pages, QStringLiteral("印刷を終えられませんでした。"));
    return outcome;
}

Outcome writePdf(const QString& path, const Request& request, const Paper& paper,
                 const Progress& progress) {
    // The PDF is made in memory and written as a whole, so that a failure or a cancel at any
    // point leaves the old file as it was.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(QStringLiteral("再免許申請書 一括印刷"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    Outcome outcome = drawPages(writer, request, paper, progress, {});
    if (!outcome.done())
        return outcome;
    // Only the reason, the message's first line: the callers name the file before it.
    if (const Result written = writeWholeFile(path, file.data()); !written)
        return failure(outcome.pages, written.error.section(QLatin1Char('\n'), 0, 0));
    return outcome;
}

} // namespace batchprint
