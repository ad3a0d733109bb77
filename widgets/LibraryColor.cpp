#include "LibraryColor.h"

LibraryColor::LibraryColor()
{
    // The application's colours do not darken with the brightness mode.
    for (int i = 0; i < kColorCount; ++i) {
        const unsigned rgb = color(i).rgb(COLOR_BRILL_DEFAULT);
        color(i).setHex(rgb, rgb, rgb, rgb, rgb);
    }
}

LibraryColor::~LibraryColor() = default;
