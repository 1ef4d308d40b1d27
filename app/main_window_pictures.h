#pragma once
#include <span>

#include "kit/frame/picture.h"

namespace tavek {

// The main window's pictures, drawn when the program was built
// (app/bake_pictures.cpp): for tavek::useBakedPictures at start.
std::span<const BakedPicture> mainWindowPictures();

// The program's icon (:/art/tavek.svg) at the sizes X asks for, drawn when
// the program was built: for tavek::iconOf.
std::span<const BakedIcon> programIconSizes();

} // namespace tavek
