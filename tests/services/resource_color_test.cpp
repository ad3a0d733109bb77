#include "services/ResourceColor.h"

#include <gtest/gtest.h>

TEST(ResourceColorTest, TheFortyOneEntriesInOrder)
{
    const unsigned expected[ResourceColor::kColorCount] = {
        0xff0000, 0xb22222, 0xff0080, 0xdb7093, 0xff8000, 0xff7f50, 0xffff00, 0xffd700, 0xffdab9, 0xdaa520, 0x800080,
        0xff00ff, 0x6a5acd, 0x483d8b, 0x0a246a, 0x008000, 0x00ff00, 0x556b2f, 0x0000ff, 0x00ffff, 0xb0c4de, 0xa6caf0,
        0x1e90ff, 0x6495ed, 0x4169e1, 0x000080, 0x191970, 0xa52a2a, 0x800000, 0xffffff, 0xfffbf0, 0x808080, 0x000000,
        0x121212, 0x282828, 0x333333, 0x505050, 0x696969, 0xa9a9a9, 0xc0c0c0, 0xececec,
    };
    const ResourceColor colors;
    for (int i = 0; i < ResourceColor::kColorCount; ++i) {
        EXPECT_EQ(colors.color(i).currentRgb(), expected[i]) << "entry " << i;
        EXPECT_EQ(colors.color(i).brill(), COLOR_BRILL_DEFAULT);
    }
    EXPECT_EQ(colors.color(0).rgb(COLOR_BRILL_NIGHT), 0x9b0000u); // variants derived
    EXPECT_EQ(&colors.color(41), &colors.color(0));
    EXPECT_EQ(&colors.color(-1), &colors.color(0));
}

namespace {

class CDerivedColor : public ResourceColor
{
public:
    void switchColorBrill(COLOR_BRILL_M mode) override
    {
        ResourceColor::switchColorBrill(mode);
        ++switches;
    }
    int switches = 0;
};

} // namespace

TEST(ResourceColorTest, SwitchingBrightnessMovesEveryEntry)
{
    CDerivedColor derived;
    ResourceColor& colors = derived;
    colors.switchColorBrill(COLOR_BRILL_DAY_BLACK);
    EXPECT_EQ(derived.switches, 1);
    for (int i = 0; i < ResourceColor::kColorCount; ++i)
        EXPECT_EQ(colors.color(i).brill(), COLOR_BRILL_DAY_BLACK) << "entry " << i;
    EXPECT_EQ(colors.color(0).currentRgb(), 0xcd0000u);
}
