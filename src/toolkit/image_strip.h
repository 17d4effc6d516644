// Bitmap strips from the program's resources: square images side by side, one colour meaning
// "transparent".
#pragma once

#include <windows.h>

namespace tk {

class ImageList;

// Appends the strip's images to the list; false when the resource cannot be read.
bool AddImageStrip(ImageList& list, const char* resource, COLORREF maskColor);

}  // namespace tk
