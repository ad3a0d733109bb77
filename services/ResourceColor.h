#pragma once

#include "Color.h"

// The base colour set of the user interface: 41 colours in a fixed order, each with its
// darker variants, and a switch of the variant shown. Colour sets of the widgets derive
// from it and add their own entries.
class ResourceColor
{
public:
    static constexpr int kColorCount = 41;

    ResourceColor();
    virtual ~ResourceColor();

    ResourceColor(const ResourceColor&) = default;
    ResourceColor& operator=(const ResourceColor&) = default;

    virtual void switchColorBrill(COLOR_BRILL_M mode);

    // Entry by index; an index outside 0-40 is logged and reads entry 0.
    const CColor& color(int index) const;
    CColor& color(int index);

private:
    static int checkedIndex(int index);

    CColor m_colors[kColorCount];
};
