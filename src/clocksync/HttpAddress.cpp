// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing the addresses of time sources and the targets of redirects.
#include "HttpAddress.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace rekko {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char lower, char c) { return lower == std::tolower(static_cast<unsigned char>(c)); });
}

} // namespace

Result<SourceAddressParts> ParseSourceAddress(std::string_view address) {
    if (address.empty())
        return Failure{"no address"};
    SourceAddressParts parts;
    if (StartsWithNoCase(address, "http://")) {
        parts = {"http", {}, 80, "/"};
        address.remove_prefix(7);
    } else if (StartsWithNoCase(address, "ntp://")) {
        parts = {"ntp", {}, 123, "/"};
        address.remove_prefix(6);
    } else {
        return Failure{"only http:// and ntp:// addresses are fetched: " + std::string(address)};
    }
    const size_t slash = address.find('/');
    std::string_view authority = address.substr(0, slash);
    if (slash != std::string_view::npos) {
        if (parts.scheme == "ntp" && slash + 1 < address.size())
            return Failure{"an ntp:// address has no path"};
        parts.path = address.substr(slash);
    }
    // An IPv6 address stands in brackets: "[::1]:8080".
    const size_t closing = authority.starts_with("[") ? authority.find(']') : 0;
    if (closing == std::string_view::npos)
        return Failure{"bad host in the address"};
    if (const size_t colon = authority.find(':', closing); colon != std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (port.empty() || error != std::errc{} || end != port.data() + port.size() || value == 0 || value > 65535)
            return Failure{"bad port in the address"};
        parts.port = static_cast<uint16_t>(value);
        authority = authority.substr(0, colon);
    }
    if (closing > 0) {
        if (closing + 1 != authority.size())
            return Failure{"bad host in the address"};
        authority = authority.substr(1, closing - 1);
    }
    if (authority.empty())
        return Failure{"no host in the address"};
    parts.host = authority;
    return parts;
}

Result<SourceAddressParts> RedirectTarget(std::string_view location, const SourceAddressParts& from) {
    if (location.starts_with("/")) {
        SourceAddressParts target = from;
        target.path = location;
        return target;
    }
    auto target = ParseSourceAddress(location);
    if (target && target.value().scheme != "http")
        return Failure{"a redirect leaves HTTP"};
    return target;
}

} // namespace rekko
