#include "platform/gui/framewatch.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

class FrameWatcher final : public QObject {
public:
    FrameWatcher(QWidget* window, std::function<void()> fit)
        : QObject(window), window_(window), fit_(std::move(fit)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || fitting_)
            return false;
        const QEvent::Type type = event->type();
        if (type == QEvent::Show && !shown_) {
            shown_ = true;
            run();
        } else if (shown_ && (type == QEvent::Move || type == QEvent::Resize ||
                              type == QEvent::WindowActivate)) {
            if (framed())
                run();
        }
        return false;
    }

private:
    bool framed() const { return window_->frameGeometry() != window_->geometry(); }

    void run() {
        const bool sawFrame = framed();
        fitting_ = true;
        fit_();
        fitting_ = false;
        if (sawFrame) {
            window_->removeEventFilter(this);
            deleteLater();
        }
    }

    QWidget* window_;
    std::function<void()> fit_;
    bool shown_ = false;
    bool fitting_ = false;
};

} // namespace

void whenFramed(QWidget* window, std::function<void()> fit) {
    if (window && fit)
        new FrameWatcher(window, std::move(fit));
}
