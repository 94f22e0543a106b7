#pragma once

class QString;
class QWidget;

// What a window opened from the main window may ask of it, so that the windows need not know
// one another: the main window implements it, and main() hands it to the openers of the other
// windows.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    // The main window itself, as the parent of the windows it opens.
    virtual QWidget* mainWidget() = 0;
    // A window shown without blocking the main window; closing the main window closes it.
    virtual void trackWindow(QWidget* window) = 0;

    // The main window's record checks.
    virtual void deleteRecord(int row) = 0;
    virtual void sortByExpiry() = 0;
    virtual void colourByExpiry() = 0;

    // What a window changes in the register between these two is one step that 元に戻す in the
    // main window undoes; text names it (see actionText). Pairs nest; each begin needs its
    // commit, also when the change failed (then nothing is recorded).
    virtual void beginRegisterChange(const QString& text) = 0;
    virtual void commitRegisterChange() = 0;
};
