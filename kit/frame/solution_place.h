#pragma once
// Where a solution window stands: beside its exercise window where the screen
// has room, otherwise over it, clear of the exercise the student works on.
#include <QMargins>
#include <QRect>
#include <QSize>

namespace tavek {

struct SolutionRoom {
    QRect screen;   // the screen's free area
    QRect window;   // the exercise window, frame included
    QRect exercise; // the chosen exercise's cells, buttons and answers
    QMargins frame; // what the window manager adds around a client area
};

// The client geometry of a solution window `preferred` large, or smaller down
// to `smallest` where it has to fit a narrower space. Free screen space
// beside, below or above the exercise window comes first; failing that, the
// place over the window that covers least of it without covering the
// exercise; failing that too, the one that covers least of the exercise.
QRect placeSolution(const SolutionRoom& room, QSize preferred, QSize smallest);

} // namespace tavek
