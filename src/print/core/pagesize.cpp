#include "print/core/pagesize.h"

#include <QColor>
#include <cmath>

namespace pagesize {
namespace {
constexpr double kTwipsPerMillimetre = 1440 / 25.4;
constexpr double kMetresPerInch = 0.0254;
} // namespace

QSizeF twips(const QPageSize& size, QPageLayout::Orientation orientation) {
    QSizeF mm = size.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        mm.transpose();
    return {std::round(mm.width() * kTwipsPerMillimetre),
            std::round(mm.height() * kTwipsPerMillimetre)};
}

QSizeF a4() {
    return twips(QPageSize(QPageSize::A4));
}

QPageSize envelopeNaga3() {
    return QPageSize(QPageSize::EnvelopeChou3);
}

QSizeF envelopeNaga3Landscape() {
    return twips(envelopeNaga3(), QPageLayout::Landscape);
}

QImage pageImage(QSizeF pageTwips, double dpi) {
    const int width = qMax(1, qRound(pageTwips.width() * dpi / 1440));
    const int height = qMax(1, qRound(pageTwips.height() * dpi / 1440));
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

QSizeF twipsOf(const QPageLayout& layout) {
    QSizeF page;
    if (layout.isValid())
        page = twips(layout.pageSize(), layout.orientation());
    if (page.width() < 1 || page.height() < 1)
        page = a4();
    return page;
}

} // namespace pagesize
