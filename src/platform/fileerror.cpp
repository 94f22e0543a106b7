// File-system failures put into Japanese: errno first, the state of the path where errno says
// nothing (Qt reports some failures, such as an existing file it may not replace, without one).
#include "platform/fileerror.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace fileerror {

Problem fromErrno(int systemError) {
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return Problem::NotFound;
    case EACCES:
    case EPERM:
        return Problem::NoPermission;
    case EROFS:
        return Problem::ReadOnly;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Problem::DiskFull;
    case EISDIR:
        return Problem::IsFolder;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
        return Problem::InUse;
    default:
        return Problem::Other;
    }
}

QString text(Problem problem) {
    switch (problem) {
    case Problem::NotFound:
        return QStringLiteral("ファイルまたはフォルダが見つかりません。");
    case Problem::NoPermission:
        return QStringLiteral("このファイルを読み書きする権限がありません。");
    case Problem::ReadOnly:
        return QStringLiteral("読み取り専用のため書き込めません。");
    case Problem::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case Problem::IsFolder:
        return QStringLiteral("ファイルではなくフォルダです。");
    case Problem::InUse:
        return QStringLiteral("ほかのプログラムが使用中です。");
    case Problem::TooLarge:
        return QStringLiteral("ファイルが大きすぎます。");
    case Problem::Other:
        break;
    }
    return QStringLiteral("ファイルを読み書きできませんでした。");
}

QString message(Problem problem, const QString& path) {
    return text(problem) + QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

namespace {

// What the path on disk says about a failure errno did not explain.
Problem fromPath(QFileDevice::FileError error, const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return Problem::IsFolder;
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return Problem::NotFound;
    if (!info.exists())
        return folder.isWritable() ? Problem::NotFound : Problem::NoPermission;
    if (!info.isReadable())
        return Problem::NoPermission;
    if (error != QFileDevice::ReadError) {
        // QSaveFile refuses an existing file it may not write without setting errno. A file
        // nobody may write is read-only; one that others may write is not the user's.
        if (!info.isWritable()) {
            constexpr QFileDevice::Permissions anyWrite =
                QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
            return info.permissions() & anyWrite ? Problem::NoPermission : Problem::ReadOnly;
        }
        if (error != QFileDevice::OpenError && !folder.isWritable())
            return Problem::NoPermission;
    }
    return Problem::Other;
}

} // namespace

Problem problemOf(QFileDevice::FileError error, int systemError, const QString& path) {
    const Problem problem = fromErrno(systemError);
    return problem == Problem::Other ? fromPath(error, path) : problem;
}

QString describe(QFileDevice::FileError error, int systemError, const QString& path) {
    return message(problemOf(error, systemError, path), path);
}

} // namespace fileerror
