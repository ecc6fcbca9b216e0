// SPDX-License-Identifier: GPL-3.0-or-later
// The hrefs of a WebDAV server: paths read from its answers and URLs made from them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// Returns the path of an href as a server wrote it (a path, a relative reference or a whole URL), resolved against
// the URL of the request it answered and percent-decoded; nothing when it cannot be resolved.
std::optional<std::string> ResolvedPath(const std::string& requestUrl, const std::string& href);

// Returns the URL of a path on the server of the base URL: its scheme, host and port with the path percent-encoded.
std::string UrlOfPath(const std::string& baseUrl, std::string_view path);

// Returns the path percent-encoded for a URL: every byte but the unreserved characters, "/" and the sub-delimiters
// written as %XX.
std::string EncodedPath(std::string_view path);

} // namespace rekko
