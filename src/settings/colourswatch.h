#pragma once

#include <QLabel>
#include <QtGlobal>

// A bordered, centred label that shows a stored colour (0x00BBGGRR) as its background, with
// its caption in the window-background colour.
class ColourSwatch final : public QLabel {
    Q_OBJECT
public:
    explicit ColourSwatch(const QString& caption, QWidget* parent = nullptr);

    quint32 colour() const { return colour_; }
    void setColour(quint32 colour);

private:
    quint32 colour_ = 0;
};
