// SPDX-License-Identifier: GPL-3.0-or-later
// An SNTP responder on the loopback interface whose clock runs a settable offset from this machine's, with faults
// to order, for network tests.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace rekko::test {

class LoopbackSntpResponder {
public:
    enum class Fault { None, Silent, WrongOriginate, KissOfDeath, Unsynchronised };

    // Listens on 127.0.0.1 on a UDP port the system chooses.
    LoopbackSntpResponder();
    ~LoopbackSntpResponder();
    LoopbackSntpResponder(const LoopbackSntpResponder&) = delete;
    LoopbackSntpResponder& operator=(const LoopbackSntpResponder&) = delete;

    uint16_t port() const { return m_port; }
    // Returns "ntp://127.0.0.1:PORT".
    std::string address() const;

    // The responder's clock runs this many seconds ahead of the machine's (behind when negative).
    void setOffset(double seconds) { m_offset = seconds; }
    void setFault(Fault fault) { m_fault = fault; }
    int requests() const { return m_requests; }

private:
    void serve();

    int m_socket = -1;
    uint16_t m_port = 0;
    std::atomic<double> m_offset{0};
    std::atomic<Fault> m_fault{Fault::None};
    std::atomic<int> m_requests{0};
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

} // namespace rekko::test
