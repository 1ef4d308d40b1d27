#pragma once
// The windows of this topic, as the window table creates them.
#include "kit/frame/form_window.h"

namespace tavek {

// A missile released from a flying aircraft; a basketball player's jump.
FormWindow* createLaunchesWindow(FormNumber number, const Context& context, QWidget* owner);
// The launch speed for a drawn angle; a kicked ball.
FormWindow* createObliqueLaunchesWindow(FormNumber number, const Context& context, QWidget* owner);

} // namespace tavek
