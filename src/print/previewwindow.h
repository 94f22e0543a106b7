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

    // Named operations.
    void SizeSet();
    void ViewSel();
    // Prints the document shown. False when nothing was printed (cancelled or failed; a
    // failure has been reported).
    bool PrintSel();

    // Handlers; the slots only call these.
    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Command4Click();
    void Command5Click();

    // The page buffer (Picture3) and the page size it was made for.
    const QImage& pageBuffer() const { return picture3_; }
    QSizeF pageTwips() const { return pageTwips_; }

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void DisableButtons();
    void EnableButtons();
    void showDocument(int doc);
    void reportDrawFailure(const QString& text);
    void clearPictures();
    void paintPicture2();
    void placePicture2();
    QSize picture2Pixels() const;
    QSizeF printerPageTwips() const;
    int toPixels(double twips) const;
    double toTwips(int pixels) const;

    AppState& state_;
    Prompter& prompter_;
    PrinterCatalogue& printers_;
    QSizeF pageTwips_;
    QImage picture3_;
};
