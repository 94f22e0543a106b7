#pragma once

#include <QDialog>
#include <QString>
#include <QtGlobal>
#include <vector>

// The legend of the record grid's row colours: each colour with the days left until the
// licence expires and what they mean for the re-licence application window.
class ColourLegend final : public QDialog {
    Q_OBJECT

public:
    // One colour of the grid: from fromDays days left (inclusive) up to the next band's.
    struct Band {
        qint64 fromDays;
        QString meaning;
    };
    // From the most days left to an expired licence, as recordchecks' expiryColour sets them.
    static const std::vector<Band>& bands();
    // "365日以上", "183～364日", "期限切れ" for band i of bands().
    static QString daysText(size_t band);

    explicit ColourLegend(QWidget* parent = nullptr);
};
