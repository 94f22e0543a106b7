#include "print/core/paintersurface.h"

#include "platform/gui/colours.h"

#include <QPaintDevice>
#include <QPen>

namespace {
constexpr double kTwipsPerInch = 1440;
}

PainterSurface::PainterSurface(QPainter& painter, QSizeF pageTwips)
    : ScaledSurface(pageTwips), painter_(&painter) {
    if (const QPaintDevice* device = painter.device()) {
        pixelsPerTwipX_ = device->logicalDpiX() / kTwipsPerInch;
        pixelsPerTwipY_ = device->logicalDpiY() / kTwipsPerInch;
    }
}

PainterSurface::PainterSurface(QPaintDevice& device, QSizeF pageTwips)
    : ScaledSurface(pageTwips), ownPainter_(std::make_unique<QPainter>()),
      painter_(ownPainter_.get()) {
    pixelsPerTwipX_ = device.logicalDpiX() / kTwipsPerInch;
    pixelsPerTwipY_ = device.logicalDpiY() / kTwipsPerInch;
    ownPainter_->begin(&device);
}

PainterSurface::~PainterSurface() {
    finish();
}

bool PainterSurface::finish() {
    if (!ownPainter_ || !ownPainter_->isActive())
        return true;
    return ownPainter_->end();
}

void PainterSurface::erase(const QColor& colour) {
    if (!painter_->isActive())
        return;
    const QPointF corner = toDevice({widthTwips(), heightTwips()});
    painter_->fillRect(QRectF(QPointF(0, 0), corner), colour);
}

QPointF PainterSurface::toDevice(QPointF twips) const {
    return {twips.x() * pixelsPerTwipX_, twips.y() * pixelsPerTwipY_};
}

void PainterSurface::render(const PageElement& element) {
    if (!painter_->isActive())
        return;
    const QColor colour = colours::toQColor(element.colour);
    if (element.kind == PageElement::Kind::Text) {
        if (element.text.isEmpty())
            return;
        painter_->setFont(
            TextMeasure::pageFont(element.fontName, element.fontSize, element.strikethru));
        painter_->setPen(colour);
        QPointF baseline = toDevice(element.fromTwips);
        baseline.ry() += element.ascentTwips * pixelsPerTwipY_;
        painter_->drawText(baseline, element.text);
        return;
    }
    QPen pen(colour);
    pen.setWidthF(element.drawWidth);
    pen.setStyle(element.drawStyle == DrawStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    const QPointF from = toDevice(element.fromTwips);
    const QPointF to = toDevice(element.toTwips);
    if (element.kind == PageElement::Kind::Box)
        painter_->drawRect(QRectF(from, to).normalized());
    else
        painter_->drawLine(from, to);
}
