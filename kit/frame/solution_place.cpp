#include "kit/frame/solution_place.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <vector>

namespace tavek {

namespace {

constexpr int kGap = 4; // between the exercise and a solution window beside it

long long area(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

long long covered(const QRect& r, const QRect& by) { return area(r.intersected(by)); }

// The four parts of `screen` right of, left of, below and above `r`.
std::array<QRect, 4> around(const QRect& screen, const QRect& r)
{
    return {QRect(QPoint(r.right() + 1, screen.top()), screen.bottomRight()),
            QRect(screen.topLeft(), QPoint(r.left() - 1, screen.bottom())),
            QRect(QPoint(screen.left(), r.bottom() + 1), screen.bottomRight()),
            QRect(screen.topLeft(), QPoint(screen.right(), r.top() - 1))};
}

struct Candidates {
    const QRect window;
    std::vector<QRect> frames;

    // Frames of `size` inside `within`: first the one against the window
    // (level with its top, or its left), then the ones in the corners and
    // beside or below the window, which cover less of it.
    void add(const QRect& within, QSize size)
    {
        const int w = size.width();
        const int h = size.height();
        auto x = [&](int v) { return std::clamp(v, within.left(), within.right() + 1 - w); };
        auto y = [&](int v) { return std::clamp(v, within.top(), within.bottom() + 1 - h); };
        const int xs[] = {x(window.right() + 1), x(window.left() - w), x(within.left()), x(within.right() + 1 - w)};
        const int ys[] = {y(window.top()), y(window.bottom() + 1), y(window.top() - h), y(within.top()),
                          y(within.bottom() + 1 - h)};
        frames.emplace_back(x(window.left()), y(window.top()), w, h);
        for (int left : xs)
            for (int top : ys)
                frames.emplace_back(left, top, w, h);
    }
};

// As much of `preferred` as `room` holds, if that is at least `smallest`.
std::optional<QSize> fit(const QRect& room, QSize preferred, QSize smallest)
{
    const QSize size = preferred.boundedTo(room.size());
    if (room.isEmpty() || size.width() < smallest.width() || size.height() < smallest.height())
        return std::nullopt;
    return size;
}

} // namespace

QRect placeSolution(const SolutionRoom& room, QSize preferred, QSize smallest)
{
    const QSize framed(room.frame.left() + room.frame.right(), room.frame.top() + room.frame.bottom());
    const QSize most = (preferred + framed).boundedTo(room.screen.size());
    const QSize least = (smallest + framed).boundedTo(most);
    const QRect exercise = room.exercise.adjusted(-kGap, -kGap, kGap, kGap);

    Candidates c{room.window, {}};
    for (const QRect& part : around(room.screen, room.window))
        if (const auto size = fit(part, most, least))
            c.add(part, *size);
    if (!room.exercise.isEmpty())
        for (const QRect& part : around(room.screen, exercise))
            if (const auto size = fit(part, most, least))
                c.add(part, *size);
    if (c.frames.empty()) // no room anywhere beside the exercise
        c.add(room.screen, least);

    // Least of the exercise covered, then least of the window, then the
    // largest; the earlier among equals.
    auto cost = [&](const QRect& f) {
        return std::tuple(covered(f, room.exercise), covered(f, room.window), -area(f));
    };
    const QRect best = *std::min_element(c.frames.begin(), c.frames.end(),
                                         [&](const QRect& a, const QRect& b) { return cost(a) < cost(b); });
    return best.marginsRemoved(room.frame);
}

} // namespace tavek
