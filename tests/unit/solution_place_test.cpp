// Where a solution window stands on the screen, beside or over its exercise
// window, whole and clear of the chosen exercise.
#include <gtest/gtest.h>

#include "kit/core/solution_place.h"

using tavek::ScreenRect;

namespace {

constexpr tavek::FrameMargins kFrame{1, 20, 1, 1}; // openbox's title bar and borders
constexpr tavek::ScreenSize kSolution{460, 480};
constexpr tavek::ScreenSize kSmallest{320, 240};

ScreenRect framed(const ScreenRect& client)
{
    return {client.x - kFrame.left, client.y - kFrame.top, client.w + kFrame.left + kFrame.right,
            client.h + kFrame.top + kFrame.bottom};
}

bool contains(const ScreenRect& outer, const ScreenRect& r)
{
    return r.x >= outer.x && r.y >= outer.y && r.right() <= outer.right() && r.bottom() <= outer.bottom();
}

bool meet(const ScreenRect& a, const ScreenRect& b)
{
    return a.x <= b.right() && b.x <= a.right() && a.y <= b.bottom() && b.y <= a.bottom();
}

TEST(SolutionPlace, BesideTheWindowOrInTheFreeCornerClearOfTheExercise)
{
    const ScreenRect wide{0, 0, 1920, 1080}, small{0, 0, 1024, 768}, form9{7, 3, 782, 536};
    struct Row {
        const char* name;
        ScreenRect screen, window, exercise; // the window with its frame
        ScreenRect expected;                 // the client area
    } rows[] = {
        {"wide screen: beside, level with the window", wide, form9, {8, 150, 370, 380}, {790, 23, 460, 480}},
        {"no room on the right: on the left", wide, {1100, 40, 782, 536}, {1110, 150, 370, 380}, {639, 60, 460, 480}},
        {"1024 x 768, exercise on the left: right and low, in the free corner", small, form9, {8, 150, 370, 380},
         {563, 287, 460, 480}},
        {"1024 x 768, exercise on the right: at the left edge, as wide as there is room", small, form9,
         {392, 150, 380, 380}, {1, 287, 386, 480}},
        {"1024 x 768, a lower window: below it, covering nothing", small, {26, 40, 752, 450}, {40, 100, 700, 380},
         {27, 510, 460, 257}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ScreenRect client = tavek::place_solution({r.screen, r.window, r.exercise, kFrame}, kSolution, kSmallest);
        EXPECT_EQ(client, r.expected) << client.x << "," << client.y << " " << client.w << "x" << client.h;
        EXPECT_TRUE(contains(r.screen, framed(client)));
        EXPECT_FALSE(meet(framed(client), r.exercise));
    }
}

// An exercise that fills the screen: the smallest solution window, still on it.
TEST(SolutionPlace, WithoutRoomTheSmallestStillOnTheScreen)
{
    const ScreenRect screen{0, 0, 1024, 768};
    const ScreenRect client = tavek::place_solution({screen, screen, {10, 10, 1000, 740}, kFrame}, kSolution, kSmallest);
    EXPECT_EQ(client.w, kSmallest.w);
    EXPECT_EQ(client.h, kSmallest.h);
    EXPECT_TRUE(contains(screen, framed(client)));
}

} // namespace
