#pragma once

#include <QString>
#include <QStringList>

// What the program knows of itself: its folder (where settings, backups and the bureau file
// live), its title and its version.
struct ProgramInfo {
    QString folder; // no trailing separator
    QString title = QStringLiteral("Velmora");
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;

    // The running program's folder (see programfolder.h: beside the executable, or the user's
    // own folder, set up with the shipped files it lacks), and the version the build was
    // configured with.
    static ProgramInfo forRunningProgram(const QStringList& shippedFiles);
    // Same title and version, with another folder (tests, the command-line tool).
    static ProgramInfo withFolder(const QString& folder);

    // folder + "/" + name
    QString path(const QString& name) const;
    // "major.minor.revision"
    QString versionText() const;
};
