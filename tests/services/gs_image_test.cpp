#include "services/GsImage.h"

#include "TempWorkDir.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using GS::Image;
using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

uint32_t le32(const QByteArray& bytes, int at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

uint16_t le16(const QByteArray& bytes, int at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                 (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

} // namespace

TEST(GsImageTest, HeaderFields)
{
    Image::BMP_HEADER header;
    EXPECT_EQ(Image::getBmpHeader(&header, Unit::SSizeWH{4, 3}, 3), 4u * 3 * 3 + 54);
    EXPECT_EQ(header.bitsPerPixel, 24);
    EXPECT_EQ(header.imageSize, 36u);
    EXPECT_EQ(header.pixelOffset, 54u);
    EXPECT_EQ(header.infoSize, 40u);
    EXPECT_EQ(header.planes, 1);
    EXPECT_EQ(Image::getBmpHeader(&header, Unit::SSizeWH{2, 2}, 4), 16u + 54);
    EXPECT_EQ(header.bitsPerPixel, 32);
    EXPECT_EQ(Image::getBmpHeader(&header, Unit::SSizeWH{0, 3}, 3), 0u);
    EXPECT_EQ(Image::getBmpHeader(&header, Unit::SSizeWH{-2, 3}, 3), 0u);
    EXPECT_EQ(Image::getBmpHeader(&header, Unit::SSizeWH{70000, 70000}, 3), 0u);
}

TEST(GsImageTest, BuildBmpSwapsToBgrAndWritesALittleEndianHeader)
{
    TestSupport::TempWorkDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("c:/testimg"));
    auto* pixels = new unsigned char[6]{1, 2, 3, 4, 5, 6};
    Image::buildBmp(pixels, Unit::SSizeWH{2, 1}, 3);

    const QStringList files = QDir(dir.filePath("c:/testimg")).entryList({"*.bmp"}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].startsWith("0000")) << files[0].toStdString();
    const QByteArray bytes = readFile(dir.filePath("c:/testimg/" + files[0]));
    ASSERT_EQ(bytes.size(), 60);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(bytes, 2), 60u);
    EXPECT_EQ(le32(bytes, 6), 0u);
    EXPECT_EQ(le32(bytes, 10), 54u);
    EXPECT_EQ(le32(bytes, 14), 40u);
    EXPECT_EQ(le32(bytes, 18), 2u);
    EXPECT_EQ(le32(bytes, 22), 1u);
    EXPECT_EQ(le16(bytes, 26), 1);
    EXPECT_EQ(le16(bytes, 28), 24);
    EXPECT_EQ(le32(bytes, 30), 0u);
    EXPECT_EQ(le32(bytes, 34), 6u);
    EXPECT_EQ(bytes.mid(38, 16), QByteArray(16, '\0'));
    EXPECT_EQ(bytes.mid(54), QByteArray("\x03\x02\x01\x06\x05\x04", 6));
}

TEST(GsImageTest, BuildBmpWithoutItsFolderWritesNothing)
{
    TestSupport::TempWorkDir dir;
    Image::buildBmp(new unsigned char[3]{1, 2, 3}, Unit::SSizeWH{1, 1}, 3);
    // Pixels of one byte have nothing to swap and must not be overrun.
    ASSERT_TRUE(QDir(dir.path()).mkpath("c:/testimg"));
    Image::buildBmp(new unsigned char[3]{7, 8, 9}, Unit::SSizeWH{3, 1}, 1);
    const QStringList files = QDir(dir.filePath("c:/testimg")).entryList({"*.bmp"}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(readFile(dir.filePath("c:/testimg/" + files[0])).mid(54), QByteArray("\x07\x08\x09", 3));
    Image::buildBmp(nullptr, Unit::SSizeWH{3, 1}, 3);
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
    EXPECT_EQ(le32(bytes, 2), 78u);
    EXPECT_EQ(le16(bytes, 28), 24);
    EXPECT_EQ(le32(bytes, 34), 0u);  // image size left 0 by this writer

    std::vector<unsigned char> back(pixels.size(), 0xAA);
    ASSERT_EQ(Image::bmpRead(back.data(), 4, 2, "picture"), 0);
    EXPECT_EQ(back, pixels);
}

TEST(GsImageTest, ReadFailures)
{
    TestSupport::TempWorkDir dir;
    std::vector<unsigned char> pixels(12);
    EXPECT_EQ(Image::bmpRead(pixels.data(), 2, 2, "missing"), -1);
    // A file shorter than the pixels it should hold is not a success.
    ASSERT_TRUE(writeFile(dir.filePath("short.bmp"), QByteArray(54 + 5, 'x')));
    EXPECT_EQ(Image::bmpRead(pixels.data(), 2, 2, "short"), -1);
    EXPECT_EQ(Image::bmpWrite(pixels.data(), 2, 2, "no/such/folder/x"), -1);
    EXPECT_EQ(Image::bmpWrite(pixels.data(), 0, 2, "zero"), -1);
}

TEST(GsImageTest, SaveBmpRefusesAnUnopenableFile)
{
    TestSupport::TempWorkDir dir;
    Image::SBmpFormatData data;
    unsigned char pixel[3] = {1, 2, 3};
    data.pixels = pixel;
    Image::getBmpHeader(&data.header, Unit::SSizeWH{1, 1}, 3);
    EXPECT_FALSE(Image::saveBmp("missing/folder/a.bmp", data, 3));
    EXPECT_TRUE(Image::saveBmp("a.bmp", data, 3));
    EXPECT_EQ(QFileInfo(dir.filePath("a.bmp")).size(), 57);
}
