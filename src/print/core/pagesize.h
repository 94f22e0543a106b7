#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

// Page sizes in whole twips, as the surfaces report them, and the page buffer image.
namespace pagesize {

// The paper of size in the orientation, in whole twips (A4 portrait: 11906 × 16838).
QSizeF twips(const QPageSize& size, QPageLayout::Orientation orientation = QPageLayout::Portrait);
QSizeF a4();
// The paper of a printer's page layout; A4 for a printer that reports no paper.
QSizeF twipsOf(const QPageLayout& layout);
// The long envelope "長型3号", 120 mm × 235 mm, lying on its long side as the envelopes are
// written.
QPageSize envelopeNaga3();
QSizeF envelopeNaga3Landscape();

// A white image of a page at dpi, carrying that resolution so that a PainterSurface on it draws
// the page at its real size.
QImage pageImage(QSizeF pageTwips, double dpi);

} // namespace pagesize
