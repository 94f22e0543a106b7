#pragma once

#include "print/core/printfill.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QLineEdit;
class ReleaseCheckBox;

// The frame "電波使用料、電波法の処分履歴" of the print settings dialog and the batch dialog:
// whether and for how long the radio usage fee is paid in advance, and the disposal history.
// Releasing a prepayment box unticks its partner and enables what goes with it.
class FeeFrame final : public QGroupBox {
    Q_OBJECT
public:
    FeeFrame(const QFont& boxFont, QWidget* parent);

    // The frame's part of the form: the prepayment answers, period, years and disposal history.
    void read(printfill::FormState& form) const;
    void show(const printfill::FormState& form);
    // Whether the years box shows the window's background (years may be typed) or the button
    // face.
    bool yearsWindowBackground() const { return yearsWindowBackground_; }

    // The mouse button released over a prepayment answer box or period box, by index.
    void prepayAnswerReleased(int index);
    void prepayPeriodReleased(int index);

    // "電波利用料の前納の申出の有無": [0] "無", [1] "有".
    std::array<ReleaseCheckBox*, 2> prepayAnswerChecks{};
    // "電波利用料の前納に係る期間": [0] the whole licence period, [1] "その他".
    std::array<ReleaseCheckBox*, 2> prepayPeriodChecks{};
    // The years prepaid beside "その他".
    QLineEdit* prepayYearsBox = nullptr;
    QCheckBox* disposalHistoryCheck = nullptr;

private:
    bool yearsWindowBackground_ = false;
};
