#include "SensorEngine/NaviColor.h"

namespace SensorScope {
namespace Target {

namespace {

constexpr unsigned char kHalfAlpha = 128;

struct SNaviColorEntry
{
    unsigned level[COLOR_BRILL_COUNT];
    int copyOf;          // -1, or the entry whose colour this one repeats
    unsigned char alpha; // 0 keeps the opaque default
};

// 0xRRGGBB per brightness mode, in mode order.
const SNaviColorEntry kNaviColors[CNaviColor::kNaviColorCount] = {
    {{0x4169E1, 0x4169E1, 0x4169E1, 0x4169E1, 0x4169E1}, -1, kHalfAlpha},
    {{0xE67938, 0xC66A31, 0xC66A31, 0xE67938, 0x593216}, -1, 0},
    {{0xDA462D, 0xBD3D28, 0xDA462D, 0x55200E, 0x4E1D0B}, -1, 0},
    {{0x3982F4, 0x2E6FCF, 0x275FB1, 0x0A4C9A, 0x05264D}, -1, 0},
    {{0xC8C840, 0xC8C840, 0xC8C840, 0xC8C840, 0xC8C840}, -1, 0},
    {{0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFFFF00}, -1, 0},
    {{}, 0, 0},
    {{0x333333, 0x333333, 0x333333, 0x333333, 0x333333}, -1, 0},
    {{0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFFFF00}, -1, kHalfAlpha},
    {{}, 1, 0},
    {{}, 2, 0},
    {{}, 1, 0},
    {{}, 3, 0},
    {{}, 1, 0},
    {{0x808080, 0x808080, 0x707070, 0x606060, 0x505050}, -1, 0},
    {{}, 14, 0},
};

} // namespace

CNaviColor::CNaviColor()
{
    for (int i = 0; i < kNaviColorCount; ++i) {
        const SNaviColorEntry& e = kNaviColors[i];
        if (e.copyOf >= 0) {
            m_navi[i] = m_navi[e.copyOf];
            continue;
        }
        m_navi[i].setHex(e.level[0], e.level[1], e.level[2], e.level[3], e.level[4]);
        if (e.alpha != 0)
            m_navi[i].setAlpha(e.alpha);
    }
}

void CNaviColor::switchColorBrill(COLOR_BRILL_M mode)
{
    for (int i = kFirstSwitched; i < kNaviColorCount; ++i)
        m_navi[i].setBrill(mode);
}

const CColor& CNaviColor::naviColor(int index) const
{
    return m_navi[index >= 0 && index < kNaviColorCount ? index : 0];
}

} // namespace Target
} // namespace SensorScope
