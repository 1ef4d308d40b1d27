#pragma once
// The windows of this topic, as the window table creates them.
#include "kit/frame/form_window.h"

namespace tavek {

// The ropes holding a suspended block; a block pulled at an angle.
FormWindow* createForceWindow(FormNumber number, const Context& context, QWidget* owner);
// Blocks pulled on a smooth floor; blocks on a table drawn by a hanging one.
FormWindow* createTensionsWindow(FormNumber number, const Context& context, QWidget* owner);
// A block on a smooth incline drawn by a hanging one; a block held on a wall.
FormWindow* createInclinedPlaneWindow(FormNumber number, const Context& context, QWidget* owner);
// The same incline with friction: the motion, then the work of every force.
FormWindow* createInclineFrictionWindow(FormNumber number, const Context& context, QWidget* owner);

} // namespace tavek
