#pragma once

#include "print/core/scaledsurface.h"

#include <QColor>
#include <QPainter>
#include <memory>

class QPaintDevice;

// Draws on any QPaintDevice through QPainter: the preview's page buffer (QImage), a QPrinter
// or a QPdfWriter. The page, pageTwips in size, starts at the painter's origin and maps onto
// the device at its logical resolution (dots per inch), so a QImage must carry its resolution
// (see pageImage) and a QPrinter should draw on the full page (QPrinter::setFullPage) for the
// page to line up with the paper. Draw widths are in device pixels.
class PainterSurface final : public ScaledSurface {
public:
    // Draws through a painter that is already active and stays the caller's.
    PainterSurface(QPainter& painter, QSizeF pageTwips);
    // Opens its own painter on device and ends it when destroyed: for a QPrinter or a
    // QPdfWriter that ends the document. Check isActive(): a PDF that cannot be written or a
    // printer that cannot start leaves the painter inactive, and nothing is drawn.
    PainterSurface(QPaintDevice& device, QSizeF pageTwips);
    ~PainterSurface() override;

    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    bool isActive() const { return painter_->isActive(); }
    // Erases the page to colour (the page buffer's clear).
    void erase(const QColor& colour = Qt::white);
    // Ends the painter opened by the device constructor: on a printer this finishes the page and
    // sends the job. Returns false when the device reports a failure. Idempotent.
    bool finish();

protected:
    void render(const PageElement& element) override;

private:
    QPointF toDevice(QPointF twips) const;

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_;
    double pixelsPerTwipX_ = 1;
    double pixelsPerTwipY_ = 1;
};
