// SPDX-License-Identifier: GPL-3.0-or-later
// HTTP requests to a calendar server over libcurl.
#include "HttpSession.h"

#include <curl/curl.h>

#include <chrono>
#include <mutex>

namespace rekko {
namespace {

constexpr size_t kMaxBody = 128u << 20;
constexpr long kMaxRedirects = 5;
// A pin no key has: set while reading a server's key, so libcurl computes the real one and names it.
constexpr const char* kNoKeyPin = "sha256//AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=";
constexpr std::string_view kPinNote = " public key hash: ";

// libcurl's global state, set up once for the whole program, whichever thread first needs it.
void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Received {
    std::string body;
    std::string etag;
    bool tooLong = false;
    // The stall check: the bytes moved each way when last seen, and when they last changed.
    std::chrono::seconds timeout{};
    curl_off_t down = -1;
    curl_off_t up = -1;
    std::chrono::steady_clock::time_point moved{};
    bool stalled = false;
};

// Ends a transfer in which no byte moved either way for the time-out. (libcurl's own low-speed check averages over
// several seconds, so a stall after a sent body would be noticed only seconds late.)
int OnProgress(void* user, curl_off_t, curl_off_t down, curl_off_t, curl_off_t up) {
    auto& received = *static_cast<Received*>(user);
    const auto now = std::chrono::steady_clock::now();
    if (down != received.down || up != received.up) {
        received.down = down;
        received.up = up;
        received.moved = now;
    } else if (now - received.moved >= received.timeout) {
        received.stalled = true;
        return 1;
    }
    return 0;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
    auto& received = *static_cast<Received*>(user);
    const size_t bytes = size * count;
    if (received.body.size() + bytes > kMaxBody) {
        received.tooLong = true;
        return 0;
    }
    received.body.append(data, bytes);
    return bytes;
}

std::string TrimmedHeaderValue(std::string_view value) {
    const char* space = " \t\r\n";
    const size_t first = value.find_first_not_of(space);
    if (first == std::string_view::npos)
        return {};
    return std::string(value.substr(first, value.find_last_not_of(space) - first + 1));
}

// Keeps the ETag header; a redirect's headers come first and are replaced by the final answer's.
size_t OnHeader(char* data, size_t size, size_t count, void* user) {
    auto& received = *static_cast<Received*>(user);
    const std::string_view line(data, size * count);
    if (line.rfind("HTTP/", 0) == 0)
        received.etag.clear();
    const size_t colon = line.find(':');
    if (colon == 4 && curl_strnequal(line.data(), "etag", 4))
        received.etag = TrimmedHeaderValue(line.substr(colon + 1));
    return size * count;
}

template <class T> ServerReply<T> Fault(ServerFault fault, std::string message) {
    ServerReply<T> reply;
    reply.fault = fault;
    reply.message = std::move(message);
    return reply;
}

ServerFault FaultOfCode(CURLcode code) {
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
        return ServerFault::TimedOut;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return ServerFault::Certificate;
    case CURLE_TOO_MANY_REDIRECTS:
        return ServerFault::ServerError;
    case CURLE_WRITE_ERROR:
        return ServerFault::BadAnswer;
    default:
        return ServerFault::Network;
    }
}

std::string MessageOfCode(ServerFault fault, const char* detail, int timeoutSeconds) {
    switch (fault) {
    case ServerFault::TimedOut:
        return "サーバーが " + std::to_string(timeoutSeconds) + " 秒以上応答しません";
    case ServerFault::Certificate:
        return std::string("サーバーの証明書を確認できません: ") + detail;
    case ServerFault::ServerError:
        return "サーバーの転送先が多すぎます";
    case ServerFault::BadAnswer:
        return "サーバーの答えが大きすぎます";
    default:
        return std::string("サーバーに接続できません: ") + detail;
    }
}

// Sets what every request of the account shares: the checks, the time-outs and the sign-in.
void SetCommon(CURL* curl, const ServerAccount& account) {
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    // A server reached over TLS is never left for plain HTTP by a redirect.
    const bool secure = account.address.rfind("https:", 0) == 0;
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(account.timeoutSeconds));
    if (!account.user.empty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, account.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, account.password.c_str());
    }
    if (!account.pinnedKey.empty()) {
        // The user accepted this server's own key: it is checked instead of a certificate chain.
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
        curl_easy_setopt(curl, CURLOPT_PINNEDPUBLICKEY, account.pinnedKey.c_str());
    }
}

} // namespace

struct HttpSession::Handle {
    CURL* curl = nullptr;
    ~Handle() { curl_easy_cleanup(curl); }
};

HttpSession::HttpSession(ServerAccount account) : m_account(std::move(account)), m_handle(std::make_unique<Handle>()) {
    InitCurlOnce();
    m_handle->curl = curl_easy_init();
}

HttpSession::~HttpSession() = default;

ServerReply<HttpAnswer> HttpSession::send(const HttpRequest& request) {
    CURL* curl = m_handle->curl;
    if (!curl)
        return Fault<HttpAnswer>(ServerFault::Network, "通信の準備ができません");
    SetCommon(curl, m_account);
    // The scheme the server asks for the first time is kept by the handle, so later requests sign in at once.
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC | CURLAUTH_DIGEST));
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(curl, CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    // Every request is sent as a body (maybe empty) under its own method name, so one handle serves them all.
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());

    curl_slist* headers = curl_slist_append(nullptr, "Expect:");
    if (request.body.empty())
        headers = curl_slist_append(headers, "Content-Type:");
    for (const std::string& header : request.headers)
        headers = curl_slist_append(headers, header.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);

    Received received;
    received.timeout = std::chrono::seconds(m_account.timeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &received);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &received);
    char error[CURL_ERROR_SIZE] = "";
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);

    const CURLcode code = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_slist_free_all(headers);
    if (code != CURLE_OK) {
        const ServerFault fault = received.tooLong   ? ServerFault::BadAnswer
                                  : received.stalled ? ServerFault::TimedOut
                                                     : FaultOfCode(code);
        return Fault<HttpAnswer>(
            fault, MessageOfCode(fault, *error ? error : curl_easy_strerror(code), m_account.timeoutSeconds));
    }
    ServerReply<HttpAnswer> reply;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.value.status);
    const char* answered = nullptr;
    curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &answered);
    reply.value.url = answered ? answered : request.url;
    reply.value.etag = std::move(received.etag);
    reply.value.body = std::move(received.body);
    return reply;
}

ServerReply<std::monostate> FaultOfStatus(long status) {
    if (status >= 200 && status <= 299)
        return {};
    const std::string code = " (HTTP " + std::to_string(status) + ")";
    switch (status) {
    case 401:
    case 403:
        return Fault<std::monostate>(ServerFault::Unauthorized, "ユーザー名かパスワードが違います" + code);
    case 404:
    case 410:
        return Fault<std::monostate>(ServerFault::NotFound, "サーバーにありません" + code);
    case 412:
        return Fault<std::monostate>(ServerFault::PreconditionFailed, "サーバーの予定が変わっています" + code);
    default:
        return Fault<std::monostate>(ServerFault::ServerError, "サーバーのエラーです" + code);
    }
}

namespace {

int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* user) {
    const std::string_view text(data, size);
    if (type == CURLINFO_TEXT)
        if (const size_t at = text.find(kPinNote); at != std::string_view::npos)
            *static_cast<std::string*>(user) = TrimmedHeaderValue(text.substr(at + kPinNote.size()));
    return 0;
}

} // namespace

ServerReply<std::string> PeerKeyPin(const ServerAccount& account) {
    InitCurlOnce();
    if (account.address.rfind("https://", 0) != 0)
        return Fault<std::string>(ServerFault::Certificate, "https のアドレスではありません");
    CURL* curl = curl_easy_init();
    if (!curl)
        return Fault<std::string>(ServerFault::Network, "通信の準備ができません");
    ServerAccount reading = account;
    reading.pinnedKey = kNoKeyPin;
    SetCommon(curl, reading);
    curl_easy_setopt(curl, CURLOPT_URL, account.address.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECT_ONLY, 1L);
    std::string pin;
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, OnDebug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &pin);
    char error[CURL_ERROR_SIZE] = "";
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (pin.rfind("sha256//", 0) == 0) {
        ServerReply<std::string> reply;
        reply.value = pin;
        return reply;
    }
    const ServerFault fault = code == CURLE_OK ? ServerFault::BadAnswer : FaultOfCode(code);
    return Fault<std::string>(fault,
                              MessageOfCode(fault, *error ? error : curl_easy_strerror(code), account.timeoutSeconds));
}

} // namespace rekko
