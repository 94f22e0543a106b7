#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

// How long a later start waits for the running program. A program that does not answer in
// this time is taken for gone, and the later start runs on its own.
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;
// A request is one path at most; anything longer is not ours.
constexpr qint64 kMaxLine = 8192;

const QByteArray kRaise = "raise";
const QByteArray kOpen = "open ";
const QByteArray kAnswer = "ok\n";

} // namespace

SingleInstance::SingleInstance(const QString& programFolder, QObject* parent)
    : QObject(parent), name_(serverName(programFolder)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& programFolder) {
    const QFileInfo info(programFolder);
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("velmora-") + QString::fromLatin1(hash.toHex().left(16));
}

QByteArray SingleInstance::requestLine(const QString& filePath) {
    return (filePath.isEmpty() ? kRaise : kOpen + filePath.toUtf8()) + '\n';
}

SingleInstance::Request SingleInstance::parseRequest(const QByteArray& line) {
    QByteArray text = line;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text == kRaise)
        return {true, {}};
    if (text.startsWith(kOpen) && text.size() > kOpen.size() && !text.contains('\n'))
        return {true, QString::fromUtf8(text.mid(kOpen.size()))};
    return {};
}

SingleInstance::Start SingleInstance::start(const QString& filePath) {
    // Two starts at the same moment would both find nobody and both listen; the second would
    // take the name from the first. One start at a time closes that gap.
    QLockFile starting(QDir::temp().filePath(name_ + QStringLiteral(".lock")));
    starting.tryLock(kConnectMs + kAnswerMs);

    if (handOver(filePath))
        return Start::HandedOver;
    // Nobody answered: a name still there is the socket of a program that crashed.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        delete server_;
        server_ = nullptr;
        return Start::Alone;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            answer(socket); // the line may have come with the connection
        }
    });
    return Start::Listening;
}

bool SingleInstance::handOver(const QString& filePath) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(requestLine(filePath));
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    QByteArray reply;
    while (!reply.endsWith('\n') && reply.size() < kAnswer.size()) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(kAnswerMs))
            return false;
        reply += socket.read(kAnswer.size() - reply.size());
    }
    return reply == kAnswer;
}

void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxLine)
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(kMaxLine);
    const Request request = parseRequest(line);
    if (!line.endsWith('\n') || !request.valid) {
        socket->abort();
        return;
    }
    socket->write(kAnswer);
    socket->flush();
    socket->disconnectFromServer();
    emit requested(request.filePath);
}
