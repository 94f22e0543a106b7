#include "platform/programinfo.h"

#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

ProgramInfo ProgramInfo::forRunningProgram(const QStringList& shippedFiles) {
    return withFolder(programfolder::settle(
        programfolder::observe(QCoreApplication::applicationDirPath()), shippedFiles));
}

ProgramInfo ProgramInfo::withFolder(const QString& folder) {
    ProgramInfo info;
    info.folder = QDir::cleanPath(folder);
    info.versionMajor = VELMORA_VERSION_MAJOR;
    info.versionMinor = VELMORA_VERSION_MINOR;
    info.versionRevision = VELMORA_VERSION_PATCH;
    return info;
}

QString ProgramInfo::path(const QString& name) const {
    return folder + QLatin1Char('/') + name;
}

QString ProgramInfo::versionText() const {
    return QStringLiteral("%1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision);
}
