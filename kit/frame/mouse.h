#pragma once
#include <Qt>

#include <functional>

class QWidget;

namespace tavek {

// Labels have no click signal; these watch the mouse on any widget. A disabled
// widget receives no mouse events, so a disabled label ignores clicks.
// Click: the left button pressed and released over the widget.
void onClick(QWidget* widget, std::function<void()> handler);
// Any button pressed over the widget.
void onMousePress(QWidget* widget, std::function<void(Qt::MouseButton)> handler);

} // namespace tavek
