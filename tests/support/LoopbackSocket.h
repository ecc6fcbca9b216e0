// SPDX-License-Identifier: GPL-3.0-or-later
// A socket bound to a free port of the loopback address, for the test servers.
#pragma once

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace rekko::test {

// Opens a socket of type (SOCK_STREAM, listening, or SOCK_DGRAM) on 127.0.0.1 and a port the system chooses, which
// port receives. Throws, naming what, when it cannot.
inline int OpenLoopbackSocket(int type, uint16_t& port, const std::string& what) {
    const int socket = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        (type == SOCK_STREAM && ::listen(socket, 8) != 0) ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (socket >= 0)
            ::close(socket);
        throw std::runtime_error(what + " cannot open its loopback socket");
    }
    port = ntohs(address.sin_port);
    return socket;
}

} // namespace rekko::test
