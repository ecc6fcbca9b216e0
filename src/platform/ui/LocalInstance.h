// SPDX-License-Identifier: GPL-3.0-or-later
// Single instance over per-user local sockets named after window titles: the registry that finds and wakes a running
// instance, and the endpoint a running instance answers on.
#pragma once

#include "base/Result.h"
#include "platform/InstanceRegistry.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <string>

namespace rekko {

// Returns the socket path of a window title in this user's runtime folder; fails as RuntimeFolder() does, in which
// case no endpoint is made and none is looked for.
Result<QString> InstanceEndpointPath(const std::string& title);

// Finds windows by connecting to their endpoints; a wake-up is one byte sent to the endpoint.
class LocalInstanceRegistry : public InstanceRegistry {
public:
    bool exists(const std::string& title) override;
    bool wake(const std::string& title) override;
};

// Answers to a window title while it lives and emits woken() for every wake-up. A stale socket left by a crash is
// replaced; an endpoint another live process answers on is left to it (listening() is then false). Plain Unix
// sockets under the event loop's notifiers: the start does not load a network library for one byte.
class InstanceEndpoint : public QObject {
    Q_OBJECT
public:
    explicit InstanceEndpoint(const std::string& title, QObject* parent = nullptr);
    ~InstanceEndpoint() override;
    InstanceEndpoint(const InstanceEndpoint&) = delete;
    InstanceEndpoint& operator=(const InstanceEndpoint&) = delete;

    bool listening() const { return m_listener >= 0; }
    // Tries again to take the path, held by another instance until it ends (the one a setup hands over from);
    // answers whether the endpoint listens now.
    bool listen();
    // Answers why the endpoint is not listening: the socket path and the cause.
    const Status& status() const { return m_status; }

signals:
    void woken();

private:
    void accept();
    // Reads what a connection sent, a wake-up byte among it; closes the connection once the other side has.
    void read(QSocketNotifier* notifier);

    std::string m_title;
    QString m_path;
    int m_listener = -1;
    Status m_status = Success();
};

} // namespace rekko
