// SPDX-License-Identifier: GPL-3.0-or-later
// Local-socket endpoints of the single-instance rule.
#include "LocalInstance.h"

#include "platform/StartLock.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace rekko {

namespace {

constexpr int kTimeoutMs = 1000;
constexpr char kWakeByte = 'W';
constexpr int kBacklog = 50;

// Returns the address of a socket path, nothing when the path is too long for one.
std::optional<sockaddr_un> AddressOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<size_t>(name.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    return address;
}

// Waits until the descriptor is ready for events; false on a timeout or an error.
bool WaitFor(int fd, short events) {
    pollfd waiting{fd, events, 0};
    int ready = 0;
    do
        ready = ::poll(&waiting, 1, kTimeoutMs);
    while (ready < 0 && errno == EINTR);
    return ready > 0 && (waiting.revents & events) != 0;
}

// A stream socket connected to the endpoint of a title, closed with the object; fd is -1 when nobody answers there.
class Connection {
public:
    explicit Connection(const std::string& title) {
        const auto path = InstanceEndpointPath(title);
        const auto address = path ? AddressOf(path.value()) : std::nullopt;
        if (!address)
            return;
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (m_fd < 0)
            return;
        const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
        if (::connect(m_fd, raw, sizeof *address) == 0)
            return;
        int error = 0;
        socklen_t size = sizeof error;
        const bool pending = errno == EAGAIN || errno == EINPROGRESS;
        if (!pending || !WaitFor(m_fd, POLLOUT) || ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 ||
            error != 0)
            close();
    }
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    int fd() const { return m_fd; }

private:
    void close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int m_fd = -1;
};

} // namespace

Result<QString> InstanceEndpointPath(const std::string& title) {
    // Without a private runtime folder there is no endpoint: a name in a folder others can write could be theirs.
    const auto folder = RuntimeFolder();
    if (!folder)
        return folder.error();
    return QString::fromStdString((folder.value() / title).string());
}

bool LocalInstanceRegistry::exists(const std::string& title) {
    return Connection(title).fd() >= 0;
}

bool LocalInstanceRegistry::wake(const std::string& title) {
    const Connection connection(title);
    if (connection.fd() < 0)
        return false;
    ssize_t sent = 0;
    do
        sent = ::send(connection.fd(), &kWakeByte, 1, MSG_NOSIGNAL);
    while (sent < 0 &&
           (errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(connection.fd(), POLLOUT))));
    return sent == 1;
}

InstanceEndpoint::InstanceEndpoint(const std::string& title, QObject* parent) : QObject(parent), m_title(title) {
    const auto path = InstanceEndpointPath(title);
    if (!path) {
        m_status = path.error();
        return;
    }
    m_path = path.value();
    listen();
}

bool InstanceEndpoint::listen() {
    if (listening() || m_path.isEmpty())
        return listening();
    const auto address = AddressOf(m_path);
    if (!address) {
        m_status = Failure{.cause = std::strerror(ENAMETOOLONG), .path = m_path.toStdString()};
        return false;
    }
    const auto bound = [&address] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return -1;
        const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
        if (::bind(fd, raw, sizeof *address) == 0 && ::listen(fd, kBacklog) == 0)
            return fd;
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    };
    m_listener = bound();
    int error = errno;
    // The path is taken: by a live endpoint, which keeps it, or by a socket a crash left behind, which goes.
    if (m_listener < 0 && error == EADDRINUSE && !LocalInstanceRegistry().exists(m_title)) {
        QFile::remove(m_path);
        m_listener = bound();
        error = errno;
    }
    if (m_listener < 0) {
        m_status = Failure{.cause = std::strerror(error), .path = m_path.toStdString()};
        return false;
    }
    m_status = Success();
    auto* notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &InstanceEndpoint::accept);
    return true;
}

InstanceEndpoint::~InstanceEndpoint() {
    // The listener and the connections still open each have their notifier.
    for (const QSocketNotifier* notifier : findChildren<QSocketNotifier*>())
        ::close(static_cast<int>(notifier->socket()));
    if (listening())
        QFile::remove(m_path);
}

void InstanceEndpoint::accept() {
    int connection = -1;
    while ((connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        auto* notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier] { read(notifier); });
    }
}

void InstanceEndpoint::read(QSocketNotifier* notifier) {
    const int connection = static_cast<int>(notifier->socket());
    char buffer[64];
    ssize_t got = 0;
    bool wakeUp = false;
    while ((got = ::recv(connection, buffer, sizeof buffer, 0)) > 0)
        wakeUp = wakeUp || std::memchr(buffer, kWakeByte, static_cast<size_t>(got)) != nullptr;
    if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
        // The other side is done: the connection goes.
        notifier->setEnabled(false);
        notifier->setParent(nullptr);
        notifier->deleteLater();
        ::close(connection);
    }
    if (wakeUp)
        emit woken();
}

} // namespace rekko
