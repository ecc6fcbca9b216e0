// SPDX-License-Identifier: GPL-3.0-or-later
// The "/J" argument.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Args = std::vector<std::string>;

// Only the third and fourth characters of a first "/J" argument count; anything else means no move.
TEST(CommandLine, SlashJWithDigitsCountsDown) {
    const std::pair<Args, int> cases[] = {{{"/j05"}, 5}, {{"/J7"}, 7}, {{"/J123"}, 12},
                                          {{}, 0},       {{"/J"}, 0},  {{"/J5x"}, 0},
                                          {{"/J-5"}, 0}, {{"J05"}, 0}, {{"-platform", "/J05"}, 0}};
    for (const auto& [args, seconds] : cases)
        EXPECT_EQ(ResidentCountdownSeconds(args), seconds) << (args.empty() ? "" : args.back());
}

} // namespace
} // namespace rekko
