#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRegularExpression>
#include <QString>

// What a test can tell of a written PDF or a drawn picture without a viewer.

// The pages of a PDF: its /Type /Page objects, not the /Pages tree.
inline qsizetype pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return QString::fromLatin1(pdf).count(page);
}

// Whether every pixel of the image has the one colour: nothing was drawn on it.
inline bool isPlain(const QImage& image, const QColor& colour) {
    QImage plain(image.size(), image.format());
    plain.fill(colour);
    return image == plain;
}
