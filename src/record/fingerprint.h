#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// What a data file was when the program read or last wrote it, so that a save never silently
// overwrites what another program (or the user) put there meanwhile.
struct FileFingerprint {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    // A hash of the file's bytes, to tell a change from a touch (not a guard against anyone
    // forging a file); unset when it could not be read.
    std::optional<size_t> hash;

    // Reads the file at path; a missing or unreadable file gives exists = false or no hash.
    static FileFingerprint of(const QString& path);

    bool operator==(const FileFingerprint&) const = default;
};

// Whether the file at path now holds other bytes than the remembered fingerprint says (or has
// appeared, or gone). A new modification time over the same bytes is no change: a copy put
// back, a touch. The bytes are read only when size and time leave it open; a file that cannot
// be read counts as changed, since nothing shows it is not.
bool changedOnDisk(const QString& path, const FileFingerprint& remembered);
