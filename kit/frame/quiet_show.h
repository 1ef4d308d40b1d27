#pragma once
class QWidget;

namespace tavek {

// Shows a hidden control of a window that is on the screen, as show() does,
// without the synthetic mouse enter and leave Qt sends when a control appears
// under the pointer. To find that out Qt asks the X server where the pointer
// is: one round trip to the server for every answer that appears, the most
// of a press's time on a busy machine. The program's controls do nothing on
// hover (no tool tips, no hover styles, the default cursor), so nothing is
// lost; the next move of the mouse delivers enter and leave as usual.
void showQuietly(QWidget* control);

} // namespace tavek
