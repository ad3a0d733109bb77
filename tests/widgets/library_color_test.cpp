#include "widgets/LibraryColor.h"

#include "services/Singleton.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

// The application's colours by entry, the same in every brightness mode.
constexpr unsigned kEntries[ResourceColor::kColorCount] = {
    0xFF0000, 0xB22222, 0xFF0080, 0xDB7093, 0xFF8000, 0xFF7F50, 0xFFFF00, 0xFFD700, 0xFFDAB9, 0xDAA520, //
    0x800080, 0xFF00FF, 0x6A5ACD, 0x483D8B, 0x0A246A, 0x008000, 0x00FF00, 0x556B2F, 0x0000FF, 0x00FFFF, //
    0xB0C4DE, 0xA6CAF0, 0x1E90FF, 0x6495ED, 0x4169E1, 0x000080, 0x191970, 0xA52A2A, 0x800000, 0xFFFFFF, //
    0xFFFBF0, 0x808080, 0x000000, 0x121212, 0x282828, 0x333333, 0x505050, 0x696969, 0xA9A9A9, 0xC0C0C0, 0xECECEC,
};

} // namespace

TEST(LibraryColorTest, FortyOneEntriesInEveryBrightnessMode)
{
    LibraryColor colors;
    for (int i = 0; i < ResourceColor::kColorCount; ++i)
        EXPECT_EQ(colors.color(i).brill(), COLOR_BRILL_DEFAULT) << "entry " << i;
    for (int mode = 0; mode < COLOR_BRILL_COUNT; ++mode) {
        colors.switchColorBrill(static_cast<COLOR_BRILL_M>(mode));
        for (int i = 0; i < ResourceColor::kColorCount; ++i) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " entry " << i);
            EXPECT_EQ(colors.color(i).brill(), mode);
            EXPECT_EQ(colors.color(i).currentRgb(), kEntries[i]);
            EXPECT_EQ(QColor(colors.color(i).currentRgb()), QColor(QRgb(0xFF000000u | kEntries[i])));
        }
    }
}

TEST(LibraryColorTest, SignalBarColours)
{
    const LibraryColor* colors = Pattern::Singleton<LibraryColor>::instance();
    EXPECT_EQ(colors, Pattern::Singleton<LibraryColor>::instance());
    for (int mode = 0; mode < COLOR_BRILL_COUNT; ++mode) {
        EXPECT_EQ(colors->color(16).rgb(static_cast<COLOR_BRILL_M>(mode)), 0x00FF00u);
        EXPECT_EQ(colors->color(22).rgb(static_cast<COLOR_BRILL_M>(mode)), 0x1E90FFu);
    }
}
