#include "support/programcopy.h"

#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

ProgramCopy::ProgramCopy() {
    ready_ = QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/velmora"),
                         file(QStringLiteral("velmora")));
}

ProgramCopy::~ProgramCopy() {
    for (const auto& process : processes_) {
        process->kill();
        process->waitForFinished();
    }
    // A killed program leaves its socket behind.
    QFile::remove(QDir::temp().filePath(SingleInstance::serverName(folder())));
}

QProcess& ProgramCopy::start(const QStringList& arguments, const QString& workingFolder) {
    QProcess& process = *processes_.emplace_back(std::make_unique<QProcess>());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(file(QStringLiteral("velmora")), arguments);
    process.waitForStarted();
    return process;
}

bool ProgramCopy::appears(QProcess& process, const QString& path) {
    const QDeadlineTimer deadline(kWaitMs);
    while (!QFileInfo::exists(path))
        if (deadline.hasExpired() || process.waitForFinished(50))
            return false;
    return true;
}

bool ProgramCopy::endedCleanly(QProcess& process) {
    return process.waitForFinished(kWaitMs) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
