#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its settings file, its backup folders, the bureau file and, by
// default, the user's data files. Beside itself where it may write and is not installed
// system-style (the ./run install, a portable copy); otherwise in the user's own data folder,
// since /usr/bin is neither the user's nor writable.
namespace programfolder {

// What the choice depends on: read from the system by observe(), or set by a test.
struct Situation {
    QString executableFolder;
    bool executableFolderWritable = true;
    // The shipped files live in <prefix>/share/velmora: a package or `cmake --install`, whose
    // bin folder is shared with other programs even where the user may write to it.
    bool installed = false;
    // $XDG_DATA_HOME, by default ~/.local/share.
    QString dataHome;
};

// <prefix>/share/velmora for a program in <prefix>/bin.
QString sharedFolder(const QString& executableFolder);

// The running program's situation, for its executable's folder.
Situation observe(const QString& executableFolder);

// The program folder for a situation: the executable's folder, or dataHome/Velmora. A
// per-user folder is created if missing and given the shipped files it lacks (from the shared
// folder, or from beside a read-only executable), so that the user can edit them; a file that
// is already there is never replaced. A folder that cannot be made is still returned: the
// program reports the failure when it writes there.
QString settle(const Situation& situation, const QStringList& shippedFiles);

} // namespace programfolder
