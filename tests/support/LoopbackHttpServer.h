// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny HTTP server on the loopback interface that answers each connection from a script, for network tests.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace rekko::test {

// One accepted connection, seen from a scripted answer.
class LoopbackConnection {
public:
    explicit LoopbackConnection(int socket, const std::atomic<bool>& stopping)
        : m_socket(socket), m_stopping(stopping) {}
    // Sends bytes; answers false once the client has gone or the server stops.
    bool send(std::string_view bytes);
    // Waits; answers false when the server stops meanwhile.
    bool pause(std::chrono::milliseconds time);

private:
    int m_socket;
    const std::atomic<bool>& m_stopping;
};

class LoopbackHttpServer {
public:
    using Answer = std::function<void(LoopbackConnection&)>;

    // Listens on 127.0.0.1 on a port the system chooses.
    LoopbackHttpServer();
    // Stops answering, breaks the open connection and waits for the server thread.
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    uint16_t port() const { return m_port; }
    // Returns "http://127.0.0.1:PORT" followed by the path.
    std::string address(std::string_view path = "/") const;

    // Queues the answer of the next connection; the last answer queued also answers every later one.
    void answer(Answer answer);
    // Queues a fixed answer: the bytes sent, then the connection closed.
    void answer(std::string bytes);

    // The requests received so far, each up to its empty line.
    std::vector<std::string> requests() const;

private:
    void serve();
    Answer nextAnswer();

    int m_listener = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connection{-1};
    mutable std::mutex m_mutex;
    std::deque<Answer> m_answers;
    Answer m_last;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// A page carrying the time as a time page does.
std::string TimePageAnswer(std::string_view dateText, std::string_view status = "200 OK");

} // namespace rekko::test
