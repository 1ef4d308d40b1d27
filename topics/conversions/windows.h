#pragma once
// The window of this topic, as the window table creates it.
#include "kit/frame/form_window.h"

namespace tavek {

// One-step conversions of length, time and mass to SI units.
FormWindow* createConversionsWindow(FormNumber number, const Context& context, QWidget* owner);

} // namespace tavek
