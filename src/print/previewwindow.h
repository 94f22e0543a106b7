#pragma once

#include "record/appstate.h"

#include <QImage>
#include <QSizeF>
#include <QWidget>

class Prompter;
class PrinterCatalogue;
class QLabel;
class QPushButton;
class QScrollBar;

// The print preview: shows the ticked documents one page at a time, zoomed and scrolled, and
// prints the page shown as a job of its own.
class PreviewWindow final : public QWidget {
    Q_OBJECT
public:
    PreviewWindow(AppState& state, Prompter& prompter, PrinterCatalogue& printers,
                  QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // The print dialog's last step: the first ticked document drawn and shown. Closes the
    // window when nothing is ticked.
    void showFirstDocument();

    // Sizes the page buffer to the printer's page, the page image to the zoom step, and the
    // page area and scroll bars to the window.
    void layOutPage();
    // The next ticked document after the one shown; closes the window after the last.
    void showNextDocument();
    // Prints the document shown. False when nothing was printed (cancelled or failed; a
    // failure has been reported).
    bool printShownDocument();

    // Handlers; the slots only call these.
    void onPrintClicked();
    void onNextPageClicked();
    void onCancelClicked();
    void onZoomInClicked();
    void onZoomOutClicked();

    // The page as drawn, at the screen's resolution before zooming, and the page size it was
    // made for.
    const QImage& pageBuffer() const { return pageBuffer_; }
    QSizeF pageTwips() const { return pageTwips_; }

    QPushButton* printButton = nullptr;
    QPushButton* nextPageButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* zoomInButton = nullptr;
    QPushButton* zoomOutButton = nullptr;
    QWidget* pageArea = nullptr; // the grey viewport the page scrolls in
    QLabel* pageImage = nullptr; // the page buffer scaled to the zoom step
    QScrollBar* horizontalScrollBar = nullptr;
    QScrollBar* verticalScrollBar = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void disableButtons();
    void enableButtons();
    void showDocument(int doc);
    void reportDrawFailure(const QString& text);
    void clearPage();
    void paintPage();
    void placePage();
    QSize pageImagePixels() const;
    QSizeF printerPageTwips() const;
    int toPixels(double twips) const;
    double toTwips(int pixels) const;

    AppState& state_;
    Prompter& prompter_;
    PrinterCatalogue& printers_;
    QSizeF pageTwips_;
    QImage pageBuffer_;
};
