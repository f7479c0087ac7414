#include "commandserver.h"

#include <QLocalSocket>

#include <utility>
#include <vector>

#include <unistd.h>

namespace brevix::pelvane {

CommandServer::CommandServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, &CommandServer::acceptConnection);
}

QString CommandServer::serverName(int instance)
{
    return QStringLiteral("brevix-pelvane-%1-%2").arg(getuid()).arg(instance);
}

bool CommandServer::listen(int instance)
{
    const QString name = serverName(instance);
    // The instance number is ours by its lock: a socket left by a crashed run is stale.
    QLocalServer::removeServer(name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    return m_server.listen(name);
}

void CommandServer::acceptConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            std::vector<std::pair<int, qint64>> requests;
            while (socket->canReadLine()) {
                const QList<QByteArray> words = socket->readLine(256).trimmed().split(' ');
                bool ok = false;
                const int message = words.value(0).toInt(&ok);
                if (ok)
                    requests.emplace_back(message, words.size() > 1 ? words.at(1).toLongLong() : 0);
            }
            // Delivered from the event loop, as posted messages are: a request may open a modal
            // box, during which this socket can go away.
            for (const auto &request : requests) {
                const int message = request.first;
                const qint64 parameter = request.second;
                QMetaObject::invokeMethod(
                    this, [this, message, parameter] { emit requested(message, parameter); },
                    Qt::QueuedConnection);
            }
        });
    }
}

} // namespace brevix::pelvane
