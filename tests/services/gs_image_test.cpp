#include "services/GsImage.h"

#include "TempWorkDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

using GS::Image;
using TestSupport::readFile;

namespace {

uint32_t le(const QByteArray& bytes, int at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

QByteArray onlyImage(const TestSupport::TempWorkDir& dir)
{
    const QStringList files = QDir(dir.filePath("c:/testimg")).entryList({"*.bmp"}, QDir::Files);
    return files.size() == 1 ? readFile(dir.filePath("c:/testimg/" + files[0])) : QByteArray();
}

} // namespace

TEST(GsImageTest, BuildBmpSwapsToBgrAndWritesALittleEndianHeader)
{
    TestSupport::TempWorkDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("c:/testimg"));
    Image::buildBmp(new unsigned char[6]{1, 2, 3, 4, 5, 6}, Unit::SSizeWH{2, 1}, 3);
    const QByteArray bytes = onlyImage(dir);
    ASSERT_EQ(bytes.size(), 60);
    // Offset, size, value: the header as the file carries it.
    const uint32_t fields[][3] = {{2, 4, 60}, {6, 4, 0},  {10, 4, 54}, {14, 4, 40}, {18, 4, 2},
                                  {22, 4, 1}, {26, 2, 1}, {28, 2, 24}, {30, 4, 0},  {34, 4, 6}};
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    for (const auto& f : fields)
        EXPECT_EQ(le(bytes, static_cast<int>(f[0]), static_cast<int>(f[1])), f[2]) << "offset " << f[0];
    EXPECT_EQ(bytes.mid(38, 16), QByteArray(16, '\0'));
    EXPECT_EQ(bytes.mid(54), QByteArray("\x03\x02\x01\x06\x05\x04", 6));
}

TEST(GsImageTest, BuildBmpEdgeCases)
{
    TestSupport::TempWorkDir dir;
    Image::buildBmp(new unsigned char[3]{1, 2, 3}, Unit::SSizeWH{1, 1}, 3); // no folder: nothing written
    ASSERT_TRUE(QDir(dir.path()).mkpath("c:/testimg"));
    Image::buildBmp(new unsigned char[3]{1, 2, 3}, Unit::SSizeWH{-1, 1}, 3); // no size: released only
    // One-byte pixels have no red and blue to swap and must not be overrun.
    Image::buildBmp(new unsigned char[3]{7, 8, 9}, Unit::SSizeWH{3, 1}, 1);
    EXPECT_EQ(onlyImage(dir).mid(54), QByteArray("\x07\x08\x09", 3));
    Image::BMP_HEADER header;
    EXPECT_EQ(Image::getBmpHeader(&header, Unit::SSizeWH{70000, 70000}, 3), 0u);
}

TEST(GsImageTest, WriteAndReadBack)
{
    TestSupport::TempWorkDir dir;
    std::vector<unsigned char> pixels(4 * 2 * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>(i * 7);
    ASSERT_EQ(Image::bmpWrite(pixels.data(), 4, 2, "picture"), 0);
    const QByteArray bytes = readFile(dir.filePath("picture.bmp"));
    ASSERT_EQ(bytes.size(), 54 + 24);
    EXPECT_EQ(le(bytes, 2, 4), 78u);
    EXPECT_EQ(le(bytes, 34, 4), 0u); // image size left 0 by this writer

    std::vector<unsigned char> back(pixels.size(), 0xAA);
    ASSERT_EQ(Image::bmpRead(back.data(), 4, 2, "picture"), 0);
    EXPECT_EQ(back, pixels);
    // A file shorter than its pixels is a failure, not a half-filled success.
    EXPECT_EQ(Image::bmpRead(back.data(), 4, 3, "picture"), -1);
    EXPECT_EQ(Image::bmpRead(back.data(), 2, 2, "missing"), -1);
    EXPECT_EQ(Image::bmpWrite(pixels.data(), 2, 2, "no/such/folder/x"), -1);
}
