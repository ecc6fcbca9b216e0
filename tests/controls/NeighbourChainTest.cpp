// SPDX-License-Identifier: GPL-3.0-or-later
// The neighbour chain walk of the edit boxes and the combo box history.
#include "controls/NeighbourChain.h"
#include "controls/MruHistory.h"

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

TEST(MruHistory, MovesAKnownTextToTheTopAndInsertsANewOneFirst) {
    std::vector<std::string> items{"a", "b", "c"};
    RecordInHistory(items, "c", 10);
    EXPECT_EQ(items, (std::vector<std::string>{"c", "a", "b"}));
    RecordInHistory(items, "d", 10);
    EXPECT_EQ(items, (std::vector<std::string>{"d", "c", "a", "b"}));
    RecordInHistory(items, "", 10);
    EXPECT_EQ(items.size(), 4u);
}

TEST(MruHistory, TheEleventhDistinctTextDropsTheOldest) {
    std::vector<std::string> items;
    for (int i = 1; i <= 11; ++i)
        RecordInHistory(items, std::to_string(i), 10);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items.front(), "11");
    EXPECT_EQ(items.back(), "2");
}

} // namespace
} // namespace rekko
