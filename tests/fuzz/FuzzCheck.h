// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the fuzz targets: a property that does not hold aborts, so libFuzzer and the replay keep the input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace rekko::fuzz {

// Returns the input of a target as bytes.
inline std::string_view BytesOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace rekko::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
