#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

// Where the pictures for people go: build/screens/.
inline QString screenPath(const QString& name) {
    const QString dir = QStringLiteral(VELMORA_SCREENS_DIR);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

// Writes the picture and reads it back: it must exist and show more than a flat fill.
inline void saveAndCheck(const QImage& image, const QString& name) {
    const QString path = screenPath(name);
    QFile::remove(path);
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    const QImage written(path);
    ASSERT_FALSE(written.isNull()) << path.toStdString();
    EXPECT_EQ(written.size(), image.size());
    QSet<QRgb> colours;
    for (int y = 0; y < written.height(); y += 2) {
        for (int x = 0; x < written.width(); x += 2)
            colours.insert(written.pixel(x, y));
    }
    EXPECT_GE(colours.size(), 8) << path.toStdString() << " looks blank";
}
