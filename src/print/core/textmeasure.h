#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <optional>

// Text measured the same way on every device, in twips: at 1440 dots per inch, without
// hinting, so that the preview at screen resolution, the printer and a PDF agree on every
// position a layout derives from a measurement.
class TextMeasure {
public:
    // The face as pages draw it: no hinting, no kerning, the size in points.
    static QFont pageFont(const QString& name, double points, bool strikethru);

    void setFont(const QString& name, double points, bool strikethru);

    double widthTwips(const QString& text) const;
    // One line of the font; the designed height for a substituted face.
    double heightTwips() const { return height_; }
    double ascentTwips() const { return ascent_; }

private:
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
    double height_ = 0;
    double ascent_ = 0;
};
