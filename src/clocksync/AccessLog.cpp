// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, extending, trimming and writing the access log of the clock correction.
#include "AccessLog.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace rekko {

AccessLog::AccessLog(std::filesystem::path file) : m_file(std::move(file)) {
    if (auto read = ReadTextFile(m_file)) {
        m_read = std::move(read).value();
        m_lines = m_read.lines();
    }
}

void AccessLog::add(std::string_view entry, int maxLines) {
    for (;;) {
        const size_t end = entry.find("\r\n");
        m_lines.emplace_back(entry.substr(0, end));
        if (end == std::string_view::npos)
            break;
        entry.remove_prefix(end + 2);
    }
    const size_t keep = static_cast<size_t>(std::max(maxLines, 0));
    if (m_lines.size() > keep)
        m_lines.erase(m_lines.begin(), m_lines.end() - static_cast<std::ptrdiff_t>(keep));
}

Status AccessLog::save() {
    if (m_lines.empty())
        return Success();
    return m_read.save(m_file, m_lines);
}

} // namespace rekko
