// SPDX-License-Identifier: GPL-3.0-or-later
// The "/J" argument.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, SlashJWithTwoDigitsCountsDown) {
    EXPECT_EQ(ResidentCountdownSeconds(Args{"/J05"}), 5);
    EXPECT_EQ(ResidentCountdownSeconds(Args{"/j05"}), 5);
    EXPECT_EQ(ResidentCountdownSeconds(Args{"/J30"}), 30);
    EXPECT_EQ(ResidentCountdownSeconds(Args{"/J7"}), 7);
    // Only the third and fourth characters count.
    EXPECT_EQ(ResidentCountdownSeconds(Args{"/J123"}), 12);
}

TEST(CommandLine, AnythingElseMeansNoMove) {
    for (const Args& args : {Args{}, Args{"/J"}, Args{"/Jab"}, Args{"/J5x"}, Args{"/J-5"}, Args{"/X05"}, Args{"J05"},
                             Args{"/"}, Args{"--/J05"}, Args{"-platform", "/J05"}})
        EXPECT_EQ(ResidentCountdownSeconds(args), 0) << (args.empty() ? "" : args.front());
}

} // namespace
} // namespace rekko
