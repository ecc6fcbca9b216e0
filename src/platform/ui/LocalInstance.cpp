// SPDX-License-Identifier: GPL-3.0-or-later
// Local-socket endpoints of the single-instance rule.
#include "LocalInstance.h"

#include "platform/StartLock.h"

#include <QLocalSocket>

namespace rekko {

namespace {

constexpr int kTimeoutMs = 1000;
constexpr char kWakeByte = 'W';

} // namespace

QString InstanceEndpointPath(const std::string& title) {
    const auto folder = RuntimeFolder();
    const QString name = QString::fromStdString(title);
    return folder.empty() ? name : QString::fromStdString(folder.string()) + "/" + name;
}

bool LocalInstanceRegistry::exists(const std::string& title) {
    QLocalSocket socket;
    socket.connectToServer(InstanceEndpointPath(title));
    const bool connected = socket.waitForConnected(kTimeoutMs);
    socket.abort();
    return connected;
}

bool LocalInstanceRegistry::wake(const std::string& title) {
    QLocalSocket socket;
    socket.connectToServer(InstanceEndpointPath(title));
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    const bool sent = socket.write(&kWakeByte, 1) == 1 && socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

InstanceEndpoint::InstanceEndpoint(const std::string& title, QObject* parent) : QObject(parent) {
    const QString path = InstanceEndpointPath(title);
    if (!m_server.listen(path) && m_server.serverError() == QAbstractSocket::AddressInUseError &&
        !LocalInstanceRegistry().exists(title)) {
        QLocalServer::removeServer(path);
        m_server.listen(path);
    }
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceEndpoint::accept);
}

void InstanceEndpoint::accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kWakeByte))
                emit woken();
        });
    }
}

} // namespace rekko
