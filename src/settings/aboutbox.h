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

    QLabel* iconLabel = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* versionLabel = nullptr;
    std::array<QFrame*, 2> separatorLines{}; // white, grey
    QPushButton* okButton = nullptr;         // "OK": closes the box

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void load(const ProgramInfo& program);
};
