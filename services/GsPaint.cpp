#include "GsPaint.h"

namespace GS {

char Paint::getStippleSpace(STIPPLE_STYLE style)
{
    static constexpr char kSpaces[] = {1, 3, 4, 8};
    return style >= 0 && style < static_cast<int>(sizeof(kSpaces)) ? kSpaces[style] : 0;
}

char Paint::getStippleMode(STIPPLE_STYLE)
{
    return 0;
}

} // namespace GS
