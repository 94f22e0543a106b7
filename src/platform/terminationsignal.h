#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (a logout, a shutdown, `kill`) as a Qt signal on the user-interface thread, so that
// the program can end as its own 終了 command does, with its backup copy and settings file,
// instead of being cut off. One instance at a time; it restores the default action when it goes.
class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

    // Whether an event loop has reported SIGTERM since this was made.
    bool received() const { return received_; }

signals:
    void terminate();

private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
    bool received_ = false;
};
