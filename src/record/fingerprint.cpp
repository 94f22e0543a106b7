#include "record/fingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray hashOf(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

} // namespace

FileFingerprint FileFingerprint::of(const QString& path) {
    const QFileInfo info(path);
    FileFingerprint fingerprint;
    if (!info.isFile())
        return fingerprint;
    fingerprint.exists = true;
    fingerprint.size = info.size();
    fingerprint.modified = info.lastModified();
    fingerprint.sha256 = hashOf(path);
    return fingerprint;
}

bool changedOnDisk(const QString& path, const FileFingerprint& remembered) {
    const QFileInfo info(path);
    if (!info.isFile() || !remembered.exists)
        return info.isFile() != remembered.exists;
    if (info.size() != remembered.size)
        return true;
    if (info.lastModified() == remembered.modified)
        return false;
    const QByteArray now = hashOf(path);
    return now.isEmpty() || now != remembered.sha256;
}
