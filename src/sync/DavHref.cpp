// SPDX-License-Identifier: GPL-3.0-or-later
// The hrefs of a WebDAV server, resolved and encoded with libcurl's URL parser.
#include "DavHref.h"

#include <curl/curl.h>

#include <memory>

namespace rekko {
namespace {

struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using Url = std::unique_ptr<CURLU, UrlDeleter>;

std::optional<std::string> Part(CURLU* url, CURLUPart part, unsigned flags) {
    char* text = nullptr;
    if (curl_url_get(url, part, &text, flags) != CURLUE_OK)
        return std::nullopt;
    std::string value(text);
    curl_free(text);
    return value;
}

Url Parsed(const std::string& url) {
    Url parsed(curl_url());
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK)
        return nullptr;
    return parsed;
}

} // namespace

std::optional<std::string> ResolvedPath(const std::string& requestUrl, const std::string& href) {
    Url url = Parsed(requestUrl);
    // Setting a relative reference on a parsed URL resolves it against that URL.
    if (!url || href.empty() || curl_url_set(url.get(), CURLUPART_URL, href.c_str(), 0) != CURLUE_OK)
        return std::nullopt;
    return Part(url.get(), CURLUPART_PATH, CURLU_URLDECODE);
}

std::string UrlOfPath(const std::string& baseUrl, std::string_view path) {
    Url url = Parsed(baseUrl);
    if (!url)
        return EncodedPath(path);
    curl_url_set(url.get(), CURLUPART_PATH, EncodedPath(path).c_str(), 0);
    curl_url_set(url.get(), CURLUPART_QUERY, nullptr, 0);
    curl_url_set(url.get(), CURLUPART_FRAGMENT, nullptr, 0);
    curl_url_set(url.get(), CURLUPART_USER, nullptr, 0);
    curl_url_set(url.get(), CURLUPART_PASSWORD, nullptr, 0);
    return Part(url.get(), CURLUPART_URL, 0).value_or(EncodedPath(path));
}

std::string EncodedPath(std::string_view path) {
    constexpr std::string_view kKept = "-._~/!$&'()*+,;=:@";
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
            kKept.find(c) != std::string_view::npos) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 15];
        }
    }
    return encoded;
}

} // namespace rekko
