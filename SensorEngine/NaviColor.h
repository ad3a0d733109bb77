#pragma once

#include "services/ResourceColor.h"

namespace SensorScope {
namespace Target {

// The colour set of the chart layer: the base set and sixteen navigation colours, each with
// its own value for every brightness mode.
class CNaviColor : public ResourceColor
{
public:
    static constexpr int kNaviColorCount = 16;
    // The entries that follow the brightness mode; 0 to 3 keep theirs.
    static constexpr int kFirstSwitched = 4;

    CNaviColor();

    void switchColorBrill(COLOR_BRILL_M mode) override;
    // Navigation entry by index; an index outside 0-15 reads entry 0.
    const CColor& naviColor(int index) const;

private:
    CColor m_navi[kNaviColorCount];
};

} // namespace Target
} // namespace SensorScope
