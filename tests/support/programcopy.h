#pragma once

#include "support/tempfolder.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The real program, copied into a temporary folder of its own, which is then its program folder
// (beside a writable, not installed program). Tests start it as often as they like; whatever
// still runs at the end is killed, and the socket it listened on is removed.
class ProgramCopy {
public:
    ProgramCopy();
    ~ProgramCopy();
    Q_DISABLE_COPY_MOVE(ProgramCopy)

    // Whether the program could be copied (it is built beside the test programs).
    bool ready() const { return ready_; }
    QString folder() const { return folder_.path(); }
    QString file(const QString& name) const { return folder_.file(name); }

    // Started in workingFolder when one is given.
    QProcess& start(const QStringList& arguments = {}, const QString& workingFolder = {});
    // Waits until the started program has built its main window, which it does after it took
    // the program folder's name: it has made the "BackUP2" folder. False when it ended first.
    bool startedUp(QProcess& process) const { return appears(process, file(u"BackUP2"_qs)); }
    // Waits until path exists; false when the program ended first.
    static bool appears(QProcess& process, const QString& path);
    // Waits until the program ends by itself; true for status 0.
    static bool endedCleanly(QProcess& process);

private:
    static constexpr int kWaitMs = 30000; // generous: only a program that hangs comes near it
    TempFolder folder_;
    bool ready_ = false;
    std::vector<std::unique_ptr<QProcess>> processes_;
};
