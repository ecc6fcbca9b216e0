// SPDX-License-Identifier: GPL-3.0-or-later
// Network steps over POSIX sockets, each ending by a deadline: name lookup, connecting, sending and receiving.
#pragma once

#include "base/FileDescriptor.h"
#include "base/Result.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace rekko {

using SteadyTime = std::chrono::steady_clock::time_point;

// Returns the end of a step that starts now: the step's limit, or the fetch's deadline if that comes first.
SteadyTime StepEnd(std::chrono::milliseconds step, SteadyTime deadline);

// Looks the host up and connects a non-blocking socket of the type (SOCK_STREAM or SOCK_DGRAM) to the first of its
// addresses that answers. The lookup runs on a thread of its own that is abandoned at the step's end; the connection
// is a new step.
Result<FileDescriptor> Connect(const std::string& host, uint16_t port, int type, std::chrono::milliseconds step,
                               SteadyTime deadline);

// Sends all bytes by the end given.
Status SendAll(int socket, std::string_view bytes, SteadyTime end);

// Receives what has arrived, waiting until the end given; answers the count, 0 when the peer has closed.
Result<size_t> ReceiveSome(int socket, char* buffer, size_t size, SteadyTime end);

} // namespace rekko
