// The legend of the grid's row colours.
#include "mainwin/colourlegend.h"

#include "platform/gui/colours.h"
#include "record/recordchecks.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

const std::vector<ColourLegend::Band>& ColourLegend::bands() {
    // The window opens six months before the expiry (about 182 days) and closes one month
    // before it (about 30 days); the bands are counted in days, so they meet it only roughly.
    static const std::vector<Band> list = {
        {365, QStringLiteral("期限まで1年以上")},
        {183, QStringLiteral("受付前（申請は期限の6か月前から）")},
        {92, QStringLiteral("申請受付中")},
        {45, QStringLiteral("申請受付中")},
        {31, QStringLiteral("申請受付中・締切（期限の1か月前）が近い")},
        {0, QStringLiteral("受付締切後（免許はまだ有効）")},
        {-1, QStringLiteral("免許の期限切れ")},
    };
    return list;
}

QString ColourLegend::daysText(size_t band) {
    const std::vector<Band>& list = bands();
    if (band >= list.size())
        return {};
    const qint64 from = list[band].fromDays;
    if (from < 0)
        return QStringLiteral("期限切れ");
    if (band == 0)
        return QStringLiteral("%1日以上").arg(from);
    return QStringLiteral("%1～%2日").arg(from).arg(list[band - 1].fromDays - 1);
}

ColourLegend::ColourLegend(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ColourLegend"));
    setWindowTitle(QStringLiteral("色の説明"));
    auto* layout = new QGridLayout(this);
    auto* heading = new QLabel(QStringLiteral("行の色は免許の期限までの日数を表します。"), this);
    layout->addWidget(heading, 0, 0, 1, 3);
    const QPalette palette = QApplication::palette();
    for (size_t i = 0; i < bands().size(); ++i) {
        const int row = int(i) + 1;
        const QColor background =
            colours::toQColor(checks::expiryColour(bands()[i].fromDays), palette);
        auto* swatch = new QLabel(daysText(i), this);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
        swatch->setAutoFillBackground(true);
        swatch->setMargin(4);
        swatch->setAlignment(Qt::AlignCenter);
        QPalette colours = swatch->palette();
        colours.setColor(QPalette::Window, background);
        colours.setColor(QPalette::WindowText, colours::readableTextColour(background));
        swatch->setPalette(colours);
        swatch->setFrameShape(QFrame::Box);
        layout->addWidget(swatch, row, 0);
        layout->addWidget(new QLabel(bands()[i].meaning, this), row, 1);
    }
    layout->setColumnStretch(1, 1);
}
