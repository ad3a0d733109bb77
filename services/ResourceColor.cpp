#include "ResourceColor.h"

#include "SysDebug.h"

namespace {

// 0xRRGGBB of variant 0, by entry.
constexpr unsigned kDefaultColors[ResourceColor::kColorCount] = {
    0xff0000, 0xb22222, 0xff0080, 0xdb7093, 0xff8000, 0xff7f50, 0xffff00, 0xffd700, 0xffdab9, 0xdaa520, 0x800080,
    0xff00ff, 0x6a5acd, 0x483d8b, 0x0a246a, 0x008000, 0x00ff00, 0x556b2f, 0x0000ff, 0x00ffff, 0xb0c4de, 0xa6caf0,
    0x1e90ff, 0x6495ed, 0x4169e1, 0x000080, 0x191970, 0xa52a2a, 0x800000, 0xffffff, 0xfffbf0, 0x808080, 0x000000,
    0x121212, 0x282828, 0x333333, 0x505050, 0x696969, 0xa9a9a9, 0xc0c0c0, 0xececec,
};

} // namespace

ResourceColor::ResourceColor()
{
    for (int i = 0; i < kColorCount; ++i)
        m_colors[i].setHex(kDefaultColors[i], true);
}

ResourceColor::~ResourceColor() = default;

void ResourceColor::switchColorBrill(COLOR_BRILL_M mode)
{
    for (CColor& color : m_colors)
        color.setBrill(mode);
}

const CColor& ResourceColor::color(int index) const
{
    return m_colors[checkedIndex(index)];
}

CColor& ResourceColor::color(int index)
{
    return m_colors[checkedIndex(index)];
}

int ResourceColor::checkedIndex(int index)
{
    if (index >= 0 && index < kColorCount)
        return index;
    SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Colour entry %d out of range", index);
    return 0;
}
