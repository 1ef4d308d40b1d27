#pragma once

namespace tavek {

// The layouts name "MS Sans Serif" and "Verdana"; this maps them, once for the
// whole program, to free fonts of similar metrics, and sets the default font.
// Call before any window is built.
void installFonts();

} // namespace tavek
