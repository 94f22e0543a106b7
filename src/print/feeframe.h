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
    // Whether Text2 shows the window's background (years may be typed) or the button face.
    bool yearsWindowBackground() const { return yearsWindowBackground_; }

    // The mouse button released over Check5(index) or Check7(index).
    void Check5MouseUp(int index);
    void Check7MouseUp(int index);

    std::array<ReleaseCheckBox*, 2> Check5{};
    std::array<ReleaseCheckBox*, 2> Check7{};
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check2 = nullptr;

private:
    bool yearsWindowBackground_ = false;
};
