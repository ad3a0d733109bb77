#include "GsImage.h"

#include "SysDebug.h"

#include <atomic>
#include <cstdio>
#include <ctime>
#include <limits>
#include <memory>
#include <string>
#include <utility>

namespace GS {

namespace {

constexpr int kBgrBytes = 3;

// width x height x bytes, or 0 when that is not a size a 32-bit header can carry.
unsigned pixelBytesOf(int width, int height, int bytesPerPixel)
{
    if (width <= 0 || height <= 0 || bytesPerPixel < 1 || bytesPerPixel > 4)
        return 0;
    const unsigned long long bytes =
        1ull * static_cast<unsigned>(width) * static_cast<unsigned>(height) * static_cast<unsigned>(bytesPerPixel);
    if (bytes > std::numeric_limits<uint32_t>::max() - Image::kHeaderSize)
        return 0;
    return static_cast<unsigned>(bytes);
}

void put16(unsigned char*& out, uint16_t value)
{
    *out++ = static_cast<unsigned char>(value);
    *out++ = static_cast<unsigned char>(value >> 8);
}

void put32(unsigned char*& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        *out++ = static_cast<unsigned char>(value >> shift);
}

// The 54 header bytes as they stand in the file.
void serialise(const Image::BMP_HEADER& h, unsigned char (&bytes)[Image::kHeaderSize])
{
    unsigned char* out = bytes;
    *out++ = static_cast<unsigned char>(h.magic[0]);
    *out++ = static_cast<unsigned char>(h.magic[1]);
    put32(out, h.fileSize);
    put32(out, h.reserved);
    put32(out, h.pixelOffset);
    put32(out, h.infoSize);
    put32(out, static_cast<uint32_t>(h.width));
    put32(out, static_cast<uint32_t>(h.height));
    put16(out, h.planes);
    put16(out, h.bitsPerPixel);
    put32(out, h.compression);
    put32(out, h.imageSize);
    put32(out, static_cast<uint32_t>(h.xResolution));
    put32(out, static_cast<uint32_t>(h.yResolution));
    put32(out, h.coloursUsed);
    put32(out, h.coloursImportant);
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string bmpName(const char* name)
{
    return std::string(name != nullptr ? name : "") + ".bmp";
}

} // namespace

unsigned Image::getBmpHeader(BMP_HEADER* header, Unit::SSizeWH size, char bytesPerPixel)
{
    *header = BMP_HEADER();
    const unsigned bytes = pixelBytesOf(size.width, size.height, bytesPerPixel);
    if (bytes == 0)
        return 0;
    header->width = size.width;
    header->height = size.height;
    header->bitsPerPixel = static_cast<uint16_t>(8 * bytesPerPixel);
    header->imageSize = bytes;
    header->fileSize = bytes + kHeaderSize;
    return header->fileSize;
}

bool Image::saveBmp(const char* path, const SBmpFormatData& data, unsigned pixelBytes)
{
    if (path == nullptr || (pixelBytes > 0 && data.pixels == nullptr))
        return false;
    std::FILE* raw = std::fopen(path, "wb");
    if (raw == nullptr) {
        SYS_DEBUG(DEBUG_MSG_WARNING, "Cannot open %s", path);
        return false;
    }
    unsigned char header[kHeaderSize];
    serialise(data.header, header);
    bool written = std::fwrite(header, 1, kHeaderSize, raw) == kHeaderSize &&
                   (pixelBytes == 0 || std::fwrite(data.pixels, 1, pixelBytes, raw) == pixelBytes);
    written = std::fclose(raw) == 0 && written;
    return written;
}

void Image::buildBmp(unsigned char* pixels, Unit::SSizeWH size, char bytesPerPixel)
{
    static std::atomic<int> counter{0};
    const std::unique_ptr<unsigned char[]> owned(pixels);
    SBmpFormatData data;
    if (owned == nullptr || getBmpHeader(&data.header, size, bytesPerPixel) == 0)
        return;
    data.pixels = owned.get();
    const unsigned bytes = data.header.imageSize;
    // Pixels of fewer than three bytes have no red and blue to swap.
    if (bytesPerPixel >= kBgrBytes) {
        for (unsigned i = 0; i + kBgrBytes <= bytes; i += static_cast<unsigned>(bytesPerPixel))
            std::swap(data.pixels[i], data.pixels[i + 2]);
    }
    const time_t now = ::time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    char path[64];
    std::snprintf(path, sizeof(path), "c://testimg//%05d_%d.bmp", counter++, local.tm_sec);
    saveBmp(path, data, bytes);
}

int Image::bmpWrite(const unsigned char* pixels, int width, int height, const char* name)
{
    SBmpFormatData data;
    if (pixels == nullptr || getBmpHeader(&data.header, Unit::SSizeWH{width, height}, kBgrBytes) == 0)
        return -1;
    const unsigned bytes = data.header.imageSize;
    data.header.imageSize = 0;
    data.pixels = const_cast<unsigned char*>(pixels);
    return saveBmp(bmpName(name).c_str(), data, bytes) ? 0 : -1;
}

int Image::bmpRead(unsigned char* pixels, int width, int height, const char* name)
{
    const unsigned bytes = pixelBytesOf(width, height, kBgrBytes);
    if (pixels == nullptr || bytes == 0)
        return -1;
    const FilePtr file(std::fopen(bmpName(name).c_str(), "rb"));
    if (file == nullptr)
        return -1;
    // The header is taken on trust, as the writer above wrote it.
    if (std::fseek(file.get(), kHeaderSize, SEEK_SET) != 0)
        return -1;
    // A short file is a failure: the caller would read pixels that were never filled.
    return std::fread(pixels, 1, bytes, file.get()) == bytes ? 0 : -1;
}

} // namespace GS
