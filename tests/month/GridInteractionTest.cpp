// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid's mouse rules the desktop flows do not reach: what opens a day, and double-clicks.
#include "month/GridInteraction.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Kind = GridAction::Kind;

const int32_t k3rd = EncodeJuliusDay(2024, 5, 3);
const int32_t k5th = EncodeJuliusDay(2024, 5, 5);

const auto dayLineAt = [](int32_t day) { return GridPoint{day, 2, true, Lane{'1', 4}}; };
const auto emptyAt = [](int32_t day) { return GridPoint{day, 1, true, Lane{}}; };
const auto barAt = [](int32_t day, int index) { return GridPoint{day, 1, true, Lane{'F', index}}; };

// The popup flow on the desktop takes the right click.
TEST(GridInteraction, ALeftReleaseOnADayLineOpensTheDay) {
    GridInteraction mouse;
    GridState state;
    mouse.press(MouseButton::Left, {}, dayLineAt(k3rd), state);
    const GridAction open = mouse.release(MouseButton::Left, {}, dayLineAt(k3rd), state);
    EXPECT_EQ(std::pair(open.kind, open.day), std::pair(Kind::OpenDay, k3rd));
    // An empty line opens only with Ctrl; a neighbouring month's day or a busy grid opens nothing.
    EXPECT_EQ(mouse.release(MouseButton::Left, {}, emptyAt(k3rd), state).kind, Kind::None);
    EXPECT_EQ(mouse.release(MouseButton::Left, {.ctrl = true}, emptyAt(k3rd), state).kind, Kind::OpenDay);
    GridPoint neighbour = dayLineAt(k3rd);
    neighbour.inShownMonth = false;
    EXPECT_EQ(mouse.release(MouseButton::Left, {}, neighbour, state).kind, Kind::None);
    state.suspend = true;
    EXPECT_EQ(mouse.release(MouseButton::Left, {}, dayLineAt(k3rd), state).kind, Kind::None);
}

// Qt turns the second press of a double-click into a double-click event; the day opens once, at its release.
TEST(GridInteraction, ADoubleClickOpensTheDayOnce) {
    GridInteraction mouse;
    GridState state;
    const auto doubleClickAt = [&](const GridPoint& at) {
        mouse.press(MouseButton::Left, {}, at, state);
        const GridAction first = mouse.release(MouseButton::Left, {}, at, state);
        mouse.doubleClick(MouseButton::Left, {}, at, state);
        return std::pair{first.kind, mouse.release(MouseButton::Left, {}, at, state).kind};
    };
    // Empty days are double-clicked on the desktop in the month flow. A period bar: select, then open, as two clicks
    // do.
    EXPECT_EQ(doubleClickAt(barAt(k3rd, 4)), std::pair(Kind::None, Kind::EditPeriod));
    GridPoint neighbour = emptyAt(k3rd);
    neighbour.inShownMonth = false;
    EXPECT_EQ(doubleClickAt(neighbour).second, Kind::None);
    // On a day line the first click opens the day; the double-click adds nothing.
    EXPECT_EQ(doubleClickAt(dayLineAt(k5th)), std::pair(Kind::OpenDay, Kind::None));
}

} // namespace
} // namespace rekko
