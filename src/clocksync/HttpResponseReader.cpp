// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an HTTP/1.0 answer: header lines up to the first empty one, then the body until the server closes.
#include "HttpResponseReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace rekko {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

int StatusOf(std::string_view line) {
    const size_t first = line.find(' ');
    if (first == std::string_view::npos)
        return 0;
    line.remove_prefix(first);
    line = Trimmed(line);
    line = line.substr(0, line.find(' '));
    int status = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), status);
    return error == std::errc{} && end == line.data() + line.size() ? status : 0;
}

} // namespace

bool HttpResponseReader::feed(std::string_view bytes) {
    while (!m_failed && !m_headerDone && !bytes.empty()) {
        const size_t end = bytes.find('\n');
        const std::string_view part = bytes.substr(0, end);
        m_headerBytes += std::min(part.size() + 1, bytes.size());
        if (m_line.size() + part.size() > m_limits.maxHeaderLine || m_headerBytes > m_limits.maxHeader) {
            m_failed = true;
            break;
        }
        m_line += part;
        if (end == std::string_view::npos)
            return true;
        bytes.remove_prefix(end + 1);
        if (!m_line.empty() && m_line.back() == '\r')
            m_line.pop_back();
        takeHeaderLine(m_line);
        m_line.clear();
    }
    if (m_failed)
        return false;
    if (m_body.size() + bytes.size() > m_limits.maxBody) {
        m_failed = true;
        return false;
    }
    m_body += bytes;
    return true;
}

void HttpResponseReader::takeHeaderLine(std::string_view line) {
    ++m_headerLines;
    if (m_headerLines == 1) {
        m_status = StatusOf(line);
        return;
    }
    if (line.empty()) {
        m_headerDone = true;
        return;
    }
    constexpr std::string_view name = "location:";
    if (line.size() >= name.size() && std::equal(name.begin(), name.end(), line.begin(), [](char a, char b) {
            return a == std::tolower(static_cast<unsigned char>(b));
        }))
        m_location = Trimmed(line.substr(name.size()));
}

} // namespace rekko
