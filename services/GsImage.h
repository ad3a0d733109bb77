#pragma once

#include "UnitTypes.h"

#include <cstdint>

namespace GS {

// Uncompressed BMP files, written little-endian, rows as they lie in the buffer.
class Image
{
public:
    static constexpr unsigned kHeaderSize = 54;

    typedef struct SBmpHeader
    {
        char magic[2] = {'B', 'M'};
        uint32_t fileSize = 0;
        uint32_t reserved = 0;
        uint32_t pixelOffset = kHeaderSize;
        uint32_t infoSize = 40;
        int32_t width = 0;
        int32_t height = 0;
        uint16_t planes = 1;
        uint16_t bitsPerPixel = 0;
        uint32_t compression = 0;
        uint32_t imageSize = 0;
        int32_t xResolution = 0;
        int32_t yResolution = 0;
        uint32_t coloursUsed = 0;
        uint32_t coloursImportant = 0;
    } BMP_HEADER;

    struct SBmpFormatData
    {
        BMP_HEADER header;
        unsigned char* pixels = nullptr;
    };

    // Fills the header; returns the file size, or 0 for a size that makes no file.
    static unsigned getBmpHeader(BMP_HEADER* header, Unit::SSizeWH size, char bytesPerPixel);
    // Writes header and pixelBytes of pixels, replacing the file; false when it cannot.
    static bool saveBmp(const char* path, const SBmpFormatData& data, unsigned pixelBytes);
    // Takes a new[] pixel buffer, turns RGB into BGR, writes it as a numbered test image
    // and releases the buffer.
    static void buildBmp(unsigned char* pixels, Unit::SSizeWH size, char bytesPerPixel);
    // "<name>.bmp" with 24 bits per pixel: 0, or -1 when the file cannot be written or read whole.
    static int bmpWrite(const unsigned char* pixels, int width, int height, const char* name);
    static int bmpRead(unsigned char* pixels, int width, int height, const char* name);
};

} // namespace GS
