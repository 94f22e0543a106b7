#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace programfolder {

QString sharedFolder(const QString& executableFolder) {
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/velmora"));
}

Situation observe(const QString& executableFolder) {
    Situation situation;
    situation.executableFolder = QDir::cleanPath(executableFolder);
    situation.executableFolderWritable = QFileInfo(executableFolder).isWritable();
    situation.installed = QFileInfo(sharedFolder(executableFolder)).isDir();
    situation.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return situation;
}

QString settle(const Situation& situation, const QStringList& shippedFiles) {
    // Without a home there is no per-user folder either: stay beside the program.
    if ((situation.executableFolderWritable && !situation.installed) ||
        situation.dataHome.isEmpty())
        return situation.executableFolder;

    const QString folder = QDir::cleanPath(situation.dataHome + QStringLiteral("/Velmora"));
    const QString source =
        situation.installed ? sharedFolder(situation.executableFolder) : situation.executableFolder;
    if (!QDir().mkpath(folder))
        return folder;
    for (const QString& name : shippedFiles) {
        const QString target = folder + QLatin1Char('/') + name;
        if (!QFileInfo::exists(target) && QFile::copy(source + QLatin1Char('/') + name, target)) {
            // A read-only copy (a CD, say) passes its read-only bits on; the user edits this one.
            QFile(target).setPermissions(QFile(target).permissions() | QFile::WriteOwner);
        }
    }
    return folder;
}

} // namespace programfolder
