#pragma once
// The windows of this topic, as the window table creates them.
#include "kit/frame/form_window.h"

namespace tavek {

// The power of an elevator's cable; of a machine pulling a block up an incline.
FormWindow* createPowerWindow(FormNumber number, const Context& context, QWidget* owner);
// Work and mean power second by second, as a list.
FormWindow* createPowerTableWindow(FormNumber number, const Context& context, QWidget* owner);

} // namespace tavek
