#pragma once

#include "record/appstate.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

// The version box: the program's icon, title and version. It does not block the main window;
// "OK", Enter and Esc close it.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    // Centred on mainWindow, its parent.
    AboutBox(const AppState& state, QWidget* mainWindow);
    ~AboutBox() override;

    // "OK".
    void cmdOKClick();

    // Controls, named as the program names them.
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    std::array<QFrame*, 2> Line1{}; // white, grey
    QPushButton* cmdOK = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void load(const ProgramInfo& program);
};
