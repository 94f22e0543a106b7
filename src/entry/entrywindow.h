#pragma once

#include "entry/entrydesign.h"
#include "entry/entryform.h"
#include "platform/gui/datebox.h"
#include "platform/gui/mainwindowlink.h"
#include "platform/prompter.h"

#include <QWidget>
#include <array>

struct AppState;

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class SpinButton;

// What the new-registration and edit dialogs share: the two frames with the fifteen text boxes,
// the expiry date with its spin buttons (or typed in), the station type box, "申請者に同じ", the
// checks that the data file can keep what is entered, the window's place in the settings, and
// closing, which hands over to the main window's sort and colouring.
class EntryWindow : public QWidget {
    Q_OBJECT
public:
    ~EntryWindow() override;

    // The spin button of the year (index 0), month (1) or day (2) was clicked: the date shown
    // steps +1 (up) or -1 (down) of that unit.
    void stepExpiry(int index, int step);

    // "申請者に同じ": the holder's name, reading, postal code and address into the applicant's
    // boxes.
    void copyHolderToApplicant();

    // The texts of the fifteen boxes as they stand.
    entryform::Texts texts() const;
    // How messages name box i: its caption without the spaces that spread it out, with whose
    // it is where both frames show the same caption ("申請者氏名").
    const QString& boxName(int box) const { return boxNames_[size_t(box)]; }
    const EntryDesign& design() const { return design_; }

    QGroupBox* licenceFrame = nullptr;   // the licence as registered (left)
    QGroupBox* applicantFrame = nullptr; // who applies for the renewal (right)
    // Box i edits the record field entryform::fieldOfBox(i); its caption stands beside it.
    std::array<EntryBox*, entryform::kBoxCount> fieldBoxes{};
    std::array<QLabel*, entryform::kBoxCount> fieldCaptions{};
    // The expiry date, shown "ggge年mm月dd日"; a date may also be typed in (typeddate.h).
    DateBox* expiryDateDisplay = nullptr;
    std::array<SpinButton*, 3> expirySpinButtons{}; // year, month, day
    QComboBox* stationTypeBox = nullptr;
    QPushButton* sameAsHolderButton = nullptr; // "申請者に同じ", under the applicant's boxes

protected:
    EntryWindow(const EntryDesign& design, AppState& state, Prompter& prompter,
                MainWindowLink& mainWindow, QWidget* parent);

    // Storing the window's place, then the main window's sortByExpiry and colourByExpiry, however
    // the window closes.
    void closeEvent(QCloseEvent* event) override;

    int px(double twips) const;
    void place(QWidget* widget, double left, double top, double width, double height) const;
    // A push button named name in the window (not in a frame).
    QPushButton* addButton(const char* name, const char16_t* caption, double left, double width);
    // The message box of this program: OK only unless told, no icon.
    Prompter::Answer tell(const QString& text, Prompter::Buttons buttons = Prompter::Buttons::Ok);
    // Shows the expiry date text (an era date, or nothing) in the date display.
    void showExpiry(const QString& text);
    // Tells why the texts cannot be saved as they are: a character the data file cannot hold,
    // or a text longer than its field keeps. True when it told, and nothing is to be stored.
    bool refuseUnsavable(const entryform::Texts& texts, QStringView stationType);
    // Selects text in the station type box; a text that is not one of its items is added, so
    // that what is shown is what is stored.
    void showStationType(const QString& text);

    const EntryDesign& design_;
    AppState& state_;
    Prompter& prompter_;
    MainWindowLink& mainWindow_;

private:
    void buildControls();
    void placeWindow();

    entryform::BoxNames boxNames_;
};
