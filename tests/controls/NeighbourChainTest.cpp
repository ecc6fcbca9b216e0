// SPDX-License-Identifier: GPL-3.0-or-later
// The neighbour chain walk of the edit boxes.
#include "controls/NeighbourChain.h"

#include <gtest/gtest.h>

#include <array>

namespace rekko {
namespace {

struct Box {
    bool usable = true;
    Box* next = nullptr;
};

Box* walk(Box* first) {
    return FindNeighbour(
        first, [](Box* box) { return box->usable; }, [](Box* box) { return box->next; });
}

TEST(NeighbourChain, SkipsUnusableBoxesAlongTheirOwnNeighbours) {
    Box target;
    Box hidden{false, &target};
    Box disabled{false, &hidden};
    EXPECT_EQ(walk(&disabled), &target);
    EXPECT_EQ(walk(&target), &target);
    Box deadEnd{false, nullptr};
    EXPECT_EQ(walk(&deadEnd), nullptr);
    EXPECT_EQ(walk(nullptr), nullptr);
}

TEST(NeighbourChain, GivesUpAfterTenCandidates) {
    // Ten unusable boxes, then a usable one: the eleventh is never reached.
    std::array<Box, 11> chain;
    for (size_t i = 0; i + 1 < chain.size(); ++i)
        chain[i] = {false, &chain[i + 1]};
    EXPECT_EQ(walk(&chain[0]), nullptr);
    EXPECT_EQ(walk(&chain[1]), &chain[10]); // nine unusable boxes are still skipped
}

TEST(NeighbourChain, ACircleOfUnusableBoxesEnds) {
    Box a{false}, b{false, &a};
    a.next = &b;
    EXPECT_EQ(walk(&a), nullptr);
}

} // namespace
} // namespace rekko
