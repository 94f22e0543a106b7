#pragma once

#include <QString>

// What the program knows of itself: its folder (where settings, backups and the bureau file
// live), its title and its version.
struct ProgramInfo {
    QString folder; // no trailing separator
    QString title = QStringLiteral("Velmora");
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;

    // The folder of the running executable, and the version the build was configured with.
    static ProgramInfo forRunningProgram();
    // Same title and version, with another folder (tests, the command-line tool).
    static ProgramInfo withFolder(const QString& folder);

    // folder + "/" + name
    QString path(const QString& name) const;
    // "major.minor.revision"
    QString versionText() const;
};
