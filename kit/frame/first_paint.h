#pragma once
// Work a program must do at start that nothing in its first frame shows: it
// waits until a window has been painted once, and runs in the same turn of
// the event loop right after that paint, long before a person can click.
#include <functional>

class QWidget;

namespace tavek {

// Runs `work` once, right after `window` has finished its first paint.
void afterFirstPaint(QWidget* window, std::function<void()> work);

} // namespace tavek
