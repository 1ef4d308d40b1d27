#pragma once
// Where a solution window stands: beside its exercise window where the screen
// has room, otherwise over it, clear of the exercise the student works on.
// Plain geometry in whole pixels of the screen, so that it is tested without
// a window; the frame hands it the windows' rectangles.

namespace tavek {

// A rectangle of whole pixels: its top left pixel and its size. One of no
// width or height is empty and covers nothing.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    int right() const { return x + w - 1; }  // its last column
    int bottom() const { return y + h - 1; } // its last row
    bool empty() const { return w <= 0 || h <= 0; }
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenSize {
    int w = 0;
    int h = 0;
};

// What a window manager adds around a client area.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct SolutionRoom {
    ScreenRect screen;   // the screen's free area
    ScreenRect window;   // the exercise window, frame included
    ScreenRect exercise; // the chosen exercise's cells, buttons and answers
    FrameMargins frame;  // what the window manager adds around a client area
};

// The client geometry of a solution window `preferred` large, or smaller down
// to `smallest` where it has to fit a narrower space. Free screen space
// beside, below or above the exercise window comes first; failing that, the
// place over the window that covers least of it without covering the
// exercise; failing that too, the one that covers least of the exercise.
ScreenRect place_solution(const SolutionRoom& room, ScreenSize preferred, ScreenSize smallest);

} // namespace tavek
