// SPDX-License-Identifier: GPL-3.0-or-later
// The data files compiled into the program.
#pragma once

#include <cstddef>
#include <string_view>

namespace rekko::resources {

extern const unsigned char HdayDat[];
extern const std::size_t HdayDat_size;
extern const unsigned char JdOldCal[];
extern const std::size_t JdOldCal_size;
extern const unsigned char JdSekki[];
extern const std::size_t JdSekki_size;

inline std::string_view bytesOf(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace rekko::resources
