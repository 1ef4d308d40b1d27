#include "kit/core/solution_place.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <vector>

namespace tavek {

namespace {

constexpr int kGap = 4; // between the exercise and a solution window beside it

// The rectangle from the pixel (left, top) to the pixel (right, bottom), both
// inside it.
ScreenRect spanning(int left, int top, int right, int bottom)
{
    return {left, top, right - left + 1, bottom - top + 1};
}

ScreenSize boundedTo(ScreenSize a, ScreenSize b) { return {std::min(a.w, b.w), std::min(a.h, b.h)}; }

long long area(const ScreenRect& r) { return r.empty() ? 0 : static_cast<long long>(r.w) * r.h; }

long long covered(const ScreenRect& r, const ScreenRect& by)
{
    if (r.empty() || by.empty())
        return 0;
    return area(spanning(std::max(r.x, by.x), std::max(r.y, by.y), std::min(r.right(), by.right()),
                         std::min(r.bottom(), by.bottom())));
}

// The four parts of `screen` right of, left of, below and above `r`.
std::array<ScreenRect, 4> around(const ScreenRect& screen, const ScreenRect& r)
{
    return {spanning(r.right() + 1, screen.y, screen.right(), screen.bottom()),
            spanning(screen.x, screen.y, r.x - 1, screen.bottom()),
            spanning(screen.x, r.bottom() + 1, screen.right(), screen.bottom()),
            spanning(screen.x, screen.y, screen.right(), r.y - 1)};
}

struct Candidates {
    const ScreenRect window;
    std::vector<ScreenRect> frames;

    // Frames of `size` inside `within`: first the one against the window
    // (level with its top, or its left), then the ones in the corners and
    // beside or below the window, which cover less of it.
    void add(const ScreenRect& within, ScreenSize size)
    {
        const int w = size.w;
        const int h = size.h;
        auto x = [&](int v) { return std::clamp(v, within.x, within.right() + 1 - w); };
        auto y = [&](int v) { return std::clamp(v, within.y, within.bottom() + 1 - h); };
        const int xs[] = {x(window.right() + 1), x(window.x - w), x(within.x), x(within.right() + 1 - w)};
        const int ys[] = {y(window.y), y(window.bottom() + 1), y(window.y - h), y(within.y),
                          y(within.bottom() + 1 - h)};
        frames.push_back({x(window.x), y(window.y), w, h});
        for (int left : xs)
            for (int top : ys)
                frames.push_back({left, top, w, h});
    }
};

// As much of `preferred` as `room` holds, if that is at least `smallest`.
std::optional<ScreenSize> fit(const ScreenRect& room, ScreenSize preferred, ScreenSize smallest)
{
    const ScreenSize size = boundedTo(preferred, {room.w, room.h});
    if (room.empty() || size.w < smallest.w || size.h < smallest.h)
        return std::nullopt;
    return size;
}

} // namespace

ScreenRect place_solution(const SolutionRoom& room, ScreenSize preferred, ScreenSize smallest)
{
    const FrameMargins& m = room.frame;
    const ScreenSize most = boundedTo({preferred.w + m.left + m.right, preferred.h + m.top + m.bottom},
                                      {room.screen.w, room.screen.h});
    const ScreenSize least = boundedTo({smallest.w + m.left + m.right, smallest.h + m.top + m.bottom}, most);
    const ScreenRect exercise{room.exercise.x - kGap, room.exercise.y - kGap, room.exercise.w + 2 * kGap,
                              room.exercise.h + 2 * kGap};

    Candidates c{room.window, {}};
    for (const ScreenRect& part : around(room.screen, room.window))
        if (const auto size = fit(part, most, least))
            c.add(part, *size);
    if (!room.exercise.empty())
        for (const ScreenRect& part : around(room.screen, exercise))
            if (const auto size = fit(part, most, least))
                c.add(part, *size);
    if (c.frames.empty()) // no room anywhere beside the exercise
        c.add(room.screen, least);

    // Least of the exercise covered, then least of the window, then the
    // largest; the earlier among equals.
    auto cost = [&](const ScreenRect& f) {
        return std::tuple(covered(f, room.exercise), covered(f, room.window), -area(f));
    };
    const ScreenRect best = *std::min_element(c.frames.begin(), c.frames.end(),
                                              [&](const ScreenRect& a, const ScreenRect& b) { return cost(a) < cost(b); });
    return {best.x + m.left, best.y + m.top, best.w - m.left - m.right, best.h - m.top - m.bottom};
}

} // namespace tavek
