// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted loopback HTTP server of the network tests.
#include "LoopbackHttpServer.h"

#include "LoopbackSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace rekko::test {

bool LoopbackConnection::send(std::string_view bytes) {
    while (!bytes.empty()) {
        if (m_stopping)
            return false;
        const ssize_t sent = ::send(m_socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
}

bool LoopbackConnection::pause(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end) {
        if (m_stopping)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return !m_stopping;
}

LoopbackHttpServer::LoopbackHttpServer() {
    m_listener = OpenLoopbackSocket(SOCK_STREAM, m_port, "the loopback HTTP server");
    m_thread = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    m_stopping = true;
    ::shutdown(m_listener, SHUT_RDWR);
    if (const int connection = m_connection; connection >= 0)
        ::shutdown(connection, SHUT_RDWR);
    m_thread.join();
    ::close(m_listener);
}

std::string LoopbackHttpServer::address(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

void LoopbackHttpServer::answer(Answer answer) {
    const std::lock_guard lock(m_mutex);
    m_answers.push_back(std::move(answer));
}

void LoopbackHttpServer::answer(std::string bytes) {
    answer([bytes = std::move(bytes)](LoopbackConnection& connection) { connection.send(bytes); });
}

std::vector<std::string> LoopbackHttpServer::requests() const {
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

LoopbackHttpServer::Answer LoopbackHttpServer::nextAnswer() {
    const std::lock_guard lock(m_mutex);
    if (!m_answers.empty()) {
        m_last = std::move(m_answers.front());
        m_answers.pop_front();
    }
    return m_last;
}

void LoopbackHttpServer::serve() {
    while (!m_stopping) {
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        m_connection = connection;
        // The request, up to its empty line, within a second.
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
            pollfd entry{connection, POLLIN, 0};
            if (::poll(&entry, 1, 1000) <= 0)
                break;
            const ssize_t received = ::recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0)
                break;
            request.append(buffer, static_cast<size_t>(received));
        }
        {
            const std::lock_guard lock(m_mutex);
            m_requests.push_back(request);
        }
        if (Answer answer = nextAnswer(); answer && !m_stopping) {
            LoopbackConnection scripted(connection, m_stopping);
            answer(scripted);
        }
        m_connection = -1;
        ::close(connection);
    }
}

std::string TimePageAnswer(std::string_view dateText, std::string_view status) {
    return "HTTP/1.0 " + std::string(status) +
           "\r\nContent-Type: text/html\r\n\r\n<html><script>\r\nvar now = new Date(Date.parse(\"" +
           std::string(dateText) + "\")); // time: JST\r\n</script></html>\r\n";
}

} // namespace rekko::test
