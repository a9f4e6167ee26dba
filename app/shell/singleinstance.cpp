#include "app/shell/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quorvel {

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent), m_name(name)
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::nameForCurrentUser()
{
    // The configuration folder tells users apart without naming them.
    const QByteArray folder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toUtf8();
    return u"quorvel-"_s +
           QString::fromLatin1(
               QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_name + u".lock"_s));
    m_lock->setStaleLockTime(0); // held for the whole run; only a dead holder's lock is stale
    if (!m_lock->tryLock(100)) {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (socket.waitForConnected(1000)) {
            socket.write("show\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        return false;
    }
    // A server left behind by a copy that was killed is ours to replace.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_name);
    return true;
}

} // namespace quorvel
