// SPDX-License-Identifier: GPL-3.0-or-later
// Name lookup that can be abandoned, connecting, sending and receiving with deadlines, on non-blocking sockets.
#include "NetworkSteps.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <utility>

namespace rekko {

namespace {

using std::chrono::steady_clock;

// One lookup shared by the caller and its thread: whoever comes last frees the answer.
struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    int code = 0;
    addrinfo* answer = nullptr;
};

struct AddressList {
    addrinfo* list = nullptr;
    ~AddressList() {
        if (list != nullptr)
            ::freeaddrinfo(list);
    }
};

Result<std::unique_ptr<AddressList>> Resolve(const std::string& host, uint16_t port, int type, SteadyTime end) {
    auto lookup = std::make_shared<Lookup>();
    std::thread([lookup, host, service = std::to_string(port), type] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = type;
        hints.ai_flags = AI_NUMERICSERV;
        addrinfo* answer = nullptr;
        const int code = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &answer);
        const std::lock_guard lock(lookup->mutex);
        if (lookup->abandoned) {
            if (answer != nullptr)
                ::freeaddrinfo(answer);
            return;
        }
        lookup->code = code;
        lookup->answer = answer;
        lookup->finished = true;
        lookup->done.notify_all();
    }).detach();
    std::unique_lock lock(lookup->mutex);
    if (!lookup->done.wait_until(lock, end, [&] { return lookup->finished; })) {
        lookup->abandoned = true;
        return Failure{"the name lookup of " + host + " took too long"};
    }
    auto list = std::make_unique<AddressList>();
    list->list = std::exchange(lookup->answer, nullptr);
    if (lookup->code != 0)
        return Failure{"the name " + host + " was not found: " + ::gai_strerror(lookup->code)};
    return list;
}

// Waits for the events on the socket until the end; answers false at the end.
bool Wait(int socket, short events, SteadyTime end) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - steady_clock::now()).count();
        if (left <= 0)
            return false;
        pollfd entry{socket, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(std::min<long long>(left, 60'000)));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return true; // the call that follows reports the error
    }
}

Failure SystemFailure(const char* what) {
    return Failure{std::string(what) + ": " + std::strerror(errno)};
}

} // namespace

SteadyTime StepEnd(std::chrono::milliseconds step, SteadyTime deadline) {
    return std::min(steady_clock::now() + step, deadline);
}

Result<FileDescriptor> Connect(const std::string& host, uint16_t port, int type, std::chrono::milliseconds step,
                               SteadyTime deadline) {
    auto addresses = Resolve(host, port, type, StepEnd(step, deadline));
    if (!addresses)
        return addresses.error();
    const SteadyTime end = StepEnd(step, deadline);
    Failure last{"no address of " + host + " answered"};
    for (const addrinfo* address = addresses.value()->list; address != nullptr; address = address->ai_next) {
        FileDescriptor socket(
            ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol));
        if (!socket.valid()) {
            last = SystemFailure("no socket");
            continue;
        }
        if (::connect(socket.get(), address->ai_addr, address->ai_addrlen) == 0)
            return socket;
        if (errno != EINPROGRESS) {
            last = SystemFailure("the connection failed");
            continue;
        }
        if (!Wait(socket.get(), POLLOUT, end))
            return Failure{"the connection to " + host + " took too long"};
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
            return socket;
        errno = error;
        last = SystemFailure("the connection failed");
    }
    return last;
}

Status SendAll(int socket, std::string_view bytes, SteadyTime end) {
    while (!bytes.empty()) {
        if (!Wait(socket, POLLOUT, end))
            return Failure{"sending took too long"};
        const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno != EAGAIN && errno != EINTR)
            return SystemFailure("sending failed");
        if (sent > 0)
            bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return Success();
}

Result<size_t> ReceiveSome(int socket, char* buffer, size_t size, SteadyTime end) {
    for (;;) {
        if (!Wait(socket, POLLIN, end))
            return Failure{"the answer took too long"};
        const ssize_t received = ::recv(socket, buffer, size, 0);
        if (received >= 0)
            return static_cast<size_t>(received);
        if (errno != EAGAIN && errno != EINTR)
            return SystemFailure("receiving failed");
    }
}

} // namespace rekko
