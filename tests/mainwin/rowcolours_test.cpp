// Text on the grid's row colours stays readable.
#include "mainwin/recordgridmodel.h"
#include "platform/gui/colours.h"
#include "record/recordchecks.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every colour a grid row takes by the days left, with the window's own background from a light
// and a dark palette: the text drawn on it keeps a contrast of at least 4.5:1. Only the blue of
// an expired licence (and a dark window background) takes white text. The grid draws a row's
// text and number in that colour; rows the style paints keep the style's text.
TEST(RowColours, TextOnEveryRowColourIsReadable) {
    const QColor darkBase(0x20, 0x20, 0x20);
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, darkBase);
    const std::pair<QPalette, const char*> palettes[] = {{QApplication::palette(), "light"},
                                                         {dark, "dark"}};
    for (const auto& [palette, name] : palettes) {
        for (const qint64 days : {365, 183, 92, 45, 31, 0, -1}) {
            const quint32 stored = checks::expiryColour(days);
            const QColor background = colours::toQColor(stored, palette);
            const QColor text = colours::readableTextColour(background);
            SCOPED_TRACE(testing::Message() << name << " palette, " << days << " days left");
            EXPECT_GE(colours::contrastRatio(text, background), 4.5);
            const bool white = stored == 0x00FF0000u || background == darkBase;
            EXPECT_EQ(text, white ? QColor(Qt::white) : QColor(Qt::black));
        }
    }

    RecordStore store;
    RecordGridModel model(store);
    StationRecord expired, farOff;
    expired.setExpiry(QDate(2024, 3, 1));
    farOff.setExpiry(QDate(2026, 1, 1));
    ASSERT_TRUE(store.load({expired, farOff}));
    checks::colourByExpiry(store, QDate(2024, 4, 1));
    EXPECT_EQ(model.data(model.index(0, 3), Qt::ForegroundRole).value<QColor>(), Qt::white);
    EXPECT_EQ(model.headerData(0, Qt::Vertical, Qt::ForegroundRole).value<QColor>(), Qt::white);
    EXPECT_FALSE(model.data(model.index(1, 3), Qt::ForegroundRole).isValid());
}
