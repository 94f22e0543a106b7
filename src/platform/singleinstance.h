#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running program per program folder. A later start hands its request to the program that
// is already running there (which brings its window to the front) and ends, so that two
// programs never share one settings file and one set of backups.
//
// The two talk over a local socket named after the program folder. The request is one UTF-8
// line: "raise", or "open <path>" to open a data file; the running program answers "ok".
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "velmora-" and a hash of the folder's canonical path: short enough for a socket's name,
    // the same for every spelling of the folder.
    static QString serverName(const QString& programFolder);

    enum class Start {
        HandedOver, // a running program took the request: end at once
        Listening,  // this is the one program: later starts hand over here
        Alone,      // neither (the socket could not be made): run without hand-over
    };
    // Hands the request (raise, or open filePath) to a running program; when none answers (none
    // runs, or it crashed and left its socket behind), takes the name and listens.
    Start start(const QString& filePath = {});

    // The request as sent (with its line end), and as read back; a line that is neither
    // "raise" nor "open <path>" is not valid.
    static QByteArray requestLine(const QString& filePath);
    struct Request {
        bool valid = false;
        QString filePath; // empty: raise only
    };
    static Request parseRequest(const QByteArray& line);

signals:
    // A later start asked to come to the front, and to open filePath when it is not empty.
    void requested(const QString& filePath);

private:
    bool handOver(const QString& filePath);
    void answer(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_ = nullptr;
};
