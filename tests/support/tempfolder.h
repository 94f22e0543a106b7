#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program or data folder for one test.
class TempFolder {
public:
    TempFolder() = default;
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes bytes to name inside the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
};
