#include "settings/windowplacement.h"

#include "platform/gui/framewatch.h"
#include "platform/gui/twips.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cmath>

namespace placement {

namespace {

int dpiX(const QWidget* widget) {
    return widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96;
}

int dpiY(const QWidget* widget) {
    return widget->logicalDpiY() > 0 ? widget->logicalDpiY() : 96;
}

void centreNow(QWidget* window, const QWidget* other) {
    const QRect outer = other->frameGeometry();
    const QRect own = window->frameGeometry();
    const double left = outer.left() + outer.width() / 2.0 - own.width() / 2.0;
    const double top = outer.top() + outer.height() / 2.0 - own.height() / 2.0;
    window->move(QPoint(int(std::lround(left)), int(std::lround(top))));
}

} // namespace

void setTwipsGeometry(QWidget* widget, double left, double top, double width, double height) {
    const int x = dpiX(widget);
    const int y = dpiY(widget);
    widget->setGeometry(twips::toPixels(left, x), twips::toPixels(top, y),
                        twips::toPixels(width, x), twips::toPixels(height, y));
}

void setFixedTwipsSize(QWidget* window, double width, double height) {
    window->setFixedSize(twips::toPixels(width, dpiX(window)),
                         twips::toPixels(height, dpiY(window)));
}

void centreOn(QWidget* window, const QWidget* other) {
    if (!other)
        return;
    centreNow(window, other);
    // The window's own frame is known only once it is shown: centre it again on its real frame.
    whenFramed(window, [window, other = QPointer<const QWidget>(other)] {
        if (other)
            centreNow(window, other);
    });
}

} // namespace placement
