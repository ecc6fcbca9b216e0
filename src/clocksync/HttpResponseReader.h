// SPDX-License-Identifier: GPL-3.0-or-later
// The answer of an HTTP/1.0 server read as it arrives: status, "Location" and the body, within size bounds.
#pragma once

#include "TimeSource.h"

#include <string>
#include <string_view>

namespace rekko {

class HttpResponseReader {
public:
    explicit HttpResponseReader(const FetchLimits& limits) : m_limits(limits) {}

    // Takes the next bytes received; answers false once the answer has broken a size bound (a header line, the
    // header or the body too long), after which it takes nothing more.
    bool feed(std::string_view bytes);

    bool failed() const { return m_failed; }
    bool headerDone() const { return m_headerDone; }
    // Header lines completed so far, the status line included; each starts a new step.
    size_t headerLines() const { return m_headerLines; }
    // The second blank-separated word of the status line as a number; 0 when it is not one.
    int status() const { return m_status; }
    // The value of the last header named "Location" (any case), without the blanks around it.
    const std::string& location() const { return m_location; }
    const std::string& body() const { return m_body; }

private:
    void takeHeaderLine(std::string_view line);

    FetchLimits m_limits;
    std::string m_line;
    std::string m_location;
    std::string m_body;
    size_t m_headerBytes = 0;
    size_t m_headerLines = 0;
    int m_status = 0;
    bool m_headerDone = false;
    bool m_failed = false;
};

} // namespace rekko
