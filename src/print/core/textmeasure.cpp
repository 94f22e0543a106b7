#include "print/core/textmeasure.h"

#include "platform/gui/fonts.h"

#include <QFontMetricsF>
#include <QImage>

namespace {
constexpr double kTwipsPerPoint = 20;

// A device of exactly 1440 dots per inch, so that font pixels are twips.
const QImage& twipDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(1440 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}
} // namespace

QFont TextMeasure::pageFont(const QString& name, double points, bool strikethru) {
    QFont font(name);
    font.setPointSizeF(points > 0 ? points : 1);
    font.setStrikeOut(strikethru);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

void TextMeasure::setFont(const QString& name, double points, bool strikethru) {
    font_ = pageFont(name, points, strikethru);
    metrics_.emplace(font_, &twipDevice());
    ascent_ = metrics_->ascent();
    const std::optional<double> designed = fonts::designedLineHeightEm(name);
    height_ = designed ? *designed * points * kTwipsPerPoint : metrics_->height();
}

double TextMeasure::widthTwips(const QString& text) const {
    return metrics_ ? metrics_->horizontalAdvance(text) : 0.0;
}
