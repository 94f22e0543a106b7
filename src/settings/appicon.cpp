#include "settings/appicon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource lives in a static library, so nothing would pull it into the program unless
// it is named here. Q_INIT_RESOURCE must be used outside any namespace.
static void initAppIconResource() {
    static const bool done = [] {
        Q_INIT_RESOURCE(appicon);
        return true;
    }();
    Q_UNUSED(done);
}

QString appIconPath() {
    initAppIconResource();
    return QStringLiteral(":/velmora/velmora.svg");
}

QIcon appIcon() {
    // Rendered here rather than through the SVG icon plug-in, which a system may lack.
    QSvgRenderer renderer(appIconPath());
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
