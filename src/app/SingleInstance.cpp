#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <unistd.h>

namespace v3 {

CSingleInstance::CSingleInstance(QString key, QObject* parent)
    : QObject(parent), name_(SocketName(key.isEmpty() ? QString(kFensterKlasse) : key)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit activationRequested();
        }
    });
}

CSingleInstance::~CSingleInstance() { server_.close(); }

QString CSingleInstance::SocketName(const QString& key) {
    QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QString("voltaro3-editor-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

bool CSingleInstance::AskRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(500)) return false;
    socket.write("vor\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool CSingleInstance::FirstInstance() {
    if (server_.isListening()) return true;
    if (AskRunningInstance()) return false;
    if (server_.listen(name_)) return true;
    // The name is taken: either another start came first, or a crashed run left it.
    if (AskRunningInstance()) return false;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

}  // namespace v3
