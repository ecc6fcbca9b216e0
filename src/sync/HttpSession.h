// SPDX-License-Identifier: GPL-3.0-or-later
// HTTP requests to one calendar server over libcurl: TLS checks or a pinned key, sign-in, time-outs, redirects.
#pragma once

#include "CalendarServer.h"

#include <memory>
#include <string>
#include <vector>

namespace rekko {

struct HttpRequest {
    std::string method{};               // GET, PUT, DELETE, PROPFIND, REPORT, …
    std::string url{};                  // the whole URL, percent-encoded
    std::vector<std::string> headers{}; // "Name: value"
    std::string body{};
};

struct HttpAnswer {
    long status = 0;
    std::string etag{}; // the ETag header, quotes included
    std::string body{};
    std::string url{}; // the URL that answered, after any redirects
};

// One connection's worth of requests with the account's sign-in; reuses the connection between requests. Not for
// use from two threads at once.
class HttpSession {
public:
    explicit HttpSession(ServerAccount account);
    ~HttpSession();
    HttpSession(const HttpSession&) = delete;
    HttpSession& operator=(const HttpSession&) = delete;

    // Sends the request and answers the server's answer whatever its status; a fault only when no answer came
    // (Network, TimedOut, Certificate) or it was too long to read (BadAnswer).
    ServerReply<HttpAnswer> send(const HttpRequest& request);

private:
    struct Handle;
    ServerAccount m_account;
    std::unique_ptr<Handle> m_handle;
};

// Returns the fault of an HTTP status: None for 2xx, Unauthorized for 401 and 403, NotFound for 404 and 410,
// PreconditionFailed for 412, else ServerError; with a message for the user.
ServerReply<std::monostate> FaultOfStatus(long status);

// Returns the pin ("sha256//" and the base64 of the SHA-256 of its public key) of the TLS server at the account's
// address, read without checking its certificate, so the user can compare it and accept a self-signed server.
ServerReply<std::string> PeerKeyPin(const ServerAccount& account);

} // namespace rekko
