#include "window/Docking.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tavrin {

std::ostream &operator<<(std::ostream &out, DockEdge edge)
{
    switch (edge) {
    case DockEdge::None:
        return out << "None";
    case DockEdge::Top:
        return out << "Top";
    case DockEdge::Right:
        return out << "Right";
    }
    return out;
}

std::ostream &operator<<(std::ostream &out, TimerCommand command)
{
    switch (command) {
    case TimerCommand::Keep:
        return out << "Keep";
    case TimerCommand::Start:
        return out << "Start";
    case TimerCommand::Stop:
        return out << "Stop";
    }
    return out;
}

namespace {

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;
constexpr int W = 174;
constexpr int H = 673;

WindowBox At(int left, int top)
{
    return WindowBox{left, top, W, H};
}

const std::optional<int> Unchanged;

// ---- dock edge ---------------------------------------------------------

struct EdgeCase {
    const char *what;
    WindowBox window;
    DockEdge expected;
};

class DockEdgeTable : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(DockEdgeTable, DerivesTheEdgeFromThePosition)
{
    const EdgeCase &c = GetParam();
    EXPECT_EQ(DockEdgeOf(c.window, ScreenWidth), c.expected) << c.what;
    EXPECT_EQ(HoverTickNeedsPointer(c.window, ScreenWidth), c.expected != DockEdge::None) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, DockEdgeTable,
    ::testing::Values(EdgeCase{"top 3 is docked at the top", At(500, 3), DockEdge::Top},
                      EdgeCase{"top 0", At(500, 0), DockEdge::Top},
                      EdgeCase{"hidden at the top stays docked", At(500, 3 - H), DockEdge::Top},
                      EdgeCase{"top 4 short of the right edge floats", At(500, 4), DockEdge::None},
                      EdgeCase{"right edge at the screen edge", At(ScreenWidth - W, 300), DockEdge::Right},
                      EdgeCase{"right edge one short floats", At(ScreenWidth - W - 1, 300), DockEdge::None},
                      EdgeCase{"hidden at the right", At(ScreenWidth - 4, 300), DockEdge::Right},
                      EdgeCase{"top-right corner counts as top", At(ScreenWidth - W, 2), DockEdge::Top},
                      EdgeCase{"on a display right of the primary", At(ScreenWidth + 500, 300), DockEdge::Right},
                      EdgeCase{"start position floats", At(ScreenWidth - W - 20, 20), DockEdge::None}));

// ---- hover tick --------------------------------------------------------

struct HoverCase {
    const char *what;
    WindowBox window;
    bool hovered;
    std::optional<int> newTop;
    std::optional<int> newLeft;
    TimerCommand hideTimer;
};

class HoverTickTable : public ::testing::TestWithParam<HoverCase> {};

TEST_P(HoverTickTable, BringsIntoViewOrStartsHiding)
{
    const HoverCase &c = GetParam();
    const TickResult result = HoverTick(c.window, ScreenWidth, c.hovered);
    EXPECT_EQ(result.Moves.NewTop, c.newTop) << c.what;
    EXPECT_EQ(result.Moves.NewLeft, c.newLeft) << c.what;
    EXPECT_EQ(result.HideTimer, c.hideTimer) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, HoverTickTable,
    ::testing::Values(
        HoverCase{"floating, pointer over it", At(500, 300), true, Unchanged, Unchanged, TimerCommand::Keep},
        HoverCase{"floating, pointer away", At(500, 300), false, Unchanged, Unchanged, TimerCommand::Keep},
        HoverCase{"top, hovered: Top 0, Left alone", At(500, 3), true, 0, Unchanged, TimerCommand::Stop},
        HoverCase{"top 1, hovered, snaps to 0", At(500, 1), true, 0, Unchanged, TimerCommand::Stop},
        HoverCase{"hidden at top, strip touched", At(500, 3 - H), true, 0, Unchanged, TimerCommand::Stop},
        HoverCase{"top, not hovered: no move", At(500, 0), false, Unchanged, Unchanged, TimerCommand::Start},
        HoverCase{"right, hovered: Left set, Top alone", At(ScreenWidth - 4, 300), true, Unchanged,
                  ScreenWidth - W, TimerCommand::Stop},
        HoverCase{"right, not hovered: no move", At(ScreenWidth - W, 300), false, Unchanged, Unchanged,
                  TimerCommand::Start},
        HoverCase{"beyond the primary display, hovered", At(ScreenWidth + 500, 300), true, Unchanged,
                  ScreenWidth - W, TimerCommand::Stop}));

// ---- hide tick ---------------------------------------------------------

struct HideCase {
    const char *what;
    WindowBox window;
    std::optional<int> newTop;
    std::optional<int> newLeft;
};

class HideTickTable : public ::testing::TestWithParam<HideCase> {};

TEST_P(HideTickTable, GivesTheHiddenPosition)
{
    const HideCase &c = GetParam();
    const WindowMoves moves = HideTick(c.window, ScreenWidth);
    EXPECT_EQ(moves.NewTop, c.newTop) << c.what;
    EXPECT_EQ(moves.NewLeft, c.newLeft) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, HideTickTable,
    ::testing::Values(
        HideCase{"top 0 hides upward", At(500, 0), 3 - H, Unchanged},
        HideCase{"top 20 hides upward", At(500, 20), 3 - H, Unchanged},
        HideCase{"already hidden: reapplied", At(500, 3 - H), 3 - H, Unchanged},
        HideCase{"top 21 away from the right does nothing", At(500, 21), Unchanged, Unchanged},
        HideCase{"right-docked with top 10 hides upward", At(ScreenWidth - W, 10), 3 - H, Unchanged},
        HideCase{"upward, sticking out right: pulled in", At(ScreenWidth - 4, 10), 3 - H, ScreenWidth - W},
        HideCase{"upward, right edge one past: pulled in", At(ScreenWidth - W + 1, 0), 3 - H, ScreenWidth - W},
        HideCase{"upward, right edge exactly at the screen edge", At(ScreenWidth - W, 0), 3 - H, Unchanged},
        HideCase{"right-docked below 20 hides right", At(ScreenWidth - W, 300), Unchanged, ScreenWidth - 4},
        HideCase{"right edge 20 short hides right", At(ScreenWidth - W - 20, 300), Unchanged, ScreenWidth - 4},
        HideCase{"right edge 21 short does nothing", At(ScreenWidth - W - 21, 300), Unchanged, Unchanged},
        HideCase{"hidden at the right: reapplied", At(ScreenWidth - 4, 300), Unchanged, ScreenWidth - 4}));

// ---- Show command --------------------------------------------------------

struct ShowCase {
    const char *what;
    WindowBox window;
    std::optional<int> newTop;
    std::optional<int> newLeft;
};

class ShowCommandTable : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowCommandTable, CorrectsPositionsOffTheScreen)
{
    const ShowCase &c = GetParam();
    const WindowMoves moves = ShowCommandMoves(c.window, ScreenWidth, ScreenHeight);
    EXPECT_EQ(moves.NewTop, c.newTop) << c.what;
    EXPECT_EQ(moves.NewLeft, c.newLeft) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ShowCommandTable,
    ::testing::Values(
        ShowCase{"in view: nothing", At(500, 300), Unchanged, Unchanged},
        ShowCase{"hidden at the top", At(500, 3 - H), 2, Unchanged},
        ShowCase{"top -1", At(500, -1), 2, Unchanged},
        ShowCase{"top 0 is left alone", At(500, 0), Unchanged, Unchanged},
        ShowCase{"top at the screen height is left alone", At(500, ScreenHeight), Unchanged, Unchanged},
        ShowCase{"top below the screen", At(500, ScreenHeight + 1), 2, Unchanged},
        ShowCase{"hidden at the right", At(ScreenWidth - 4, 300), Unchanged, ScreenWidth - W - 20},
        ShowCase{"left at ScreenWidth - 10 is left alone", At(ScreenWidth - 10, 300), Unchanged, Unchanged},
        ShowCase{"left at ScreenWidth - 9", At(ScreenWidth - 9, 300), Unchanged, ScreenWidth - W - 20},
        ShowCase{"hidden at both", At(ScreenWidth - 4, 3 - H), 2, ScreenWidth - W - 20}));

} // namespace
} // namespace tavrin
