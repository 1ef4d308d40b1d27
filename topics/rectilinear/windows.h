#pragma once
// The window of this topic, as the window table creates it.
#include "kit/frame/form_window.h"

namespace tavek {

// Average velocity and acceleration, the derivatives of a cubic position
// equation, and a vertical launch through a drawn height.
FormWindow* createRectilinearWindow(FormNumber number, const Context& context, QWidget* owner);

} // namespace tavek
