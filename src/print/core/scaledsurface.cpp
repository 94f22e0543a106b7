#include "print/core/scaledsurface.h"

#include "platform/gui/fonts.h"

ScaledSurface::ScaledSurface(QSizeF pageTwips)
    : page_(pageTwips), x2_(pageTwips.width()), y2_(pageTwips.height()),
      fontName_(fonts::mincho()) {
    remeasure();
}

void ScaledSurface::setScale(double x1, double y1, double x2, double y2) {
    // A scale without extent cannot map anything; keep the previous one.
    if (x1 == x2 || y1 == y2)
        return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

void ScaledSurface::setFontName(const QString& name) {
    fontName_ = name;
    remeasure();
}

void ScaledSurface::setFontSize(double points) {
    fontSize_ = points;
    remeasure();
}

void ScaledSurface::setFontStrikethru(bool on) {
    strikethru_ = on;
    remeasure();
}

void ScaledSurface::remeasure() {
    measure_.setFont(fontName_, fontSize_, strikethru_);
}

double ScaledSurface::textWidth(const QString& text) const {
    return measure_.widthTwips(text) * (x2_ - x1_) / page_.width();
}

double ScaledSurface::textHeight(const QString&) const {
    return measure_.heightTwips() * (y2_ - y1_) / page_.height();
}

QPointF ScaledSurface::toTwips(QPointF user) const {
    return {(user.x() - x1_) * page_.width() / (x2_ - x1_),
            (user.y() - y1_) * page_.height() / (y2_ - y1_)};
}

void ScaledSurface::line(double x1, double y1, double x2, double y2, quint32 colour, bool box) {
    PageElement element;
    element.kind = box ? PageElement::Kind::Box : PageElement::Kind::Line;
    element.from = {x1, y1};
    element.to = {x2, y2};
    element.fromTwips = toTwips(element.from);
    element.toTwips = toTwips(element.to);
    element.colour = colour;
    element.drawWidth = drawWidth_;
    element.drawStyle = drawStyle_;
    render(element);
    // As on the original surfaces, a line leaves the current position at its end point.
    currentX_ = x2;
    currentY_ = y2;
}

void ScaledSurface::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, foreColour_, false);
}

void ScaledSurface::print(const QString& text, bool continueLine) {
    const double width = textWidth(text);
    const double height = textHeight(text);
    PageElement element;
    element.kind = PageElement::Kind::Text;
    element.from = {currentX_, currentY_};
    element.to = {currentX_ + width, currentY_ + height};
    element.fromTwips = toTwips(element.from);
    element.toTwips = toTwips(element.to);
    element.colour = foreColour_;
    element.text = text;
    element.fontName = fontName_;
    element.fontSize = fontSize_;
    element.strikethru = strikethru_;
    element.ascentTwips = measure_.ascentTwips();
    render(element);
    if (continueLine) {
        currentX_ += width;
    } else {
        currentX_ = x1_;
        currentY_ += height;
    }
}
