// The BMP reader on an arbitrary file of arbitrary claimed dimensions.
#include "services/GsImage.h"

#include "FuzzInput.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::CInput input(data, size);
    const int width = input.byte() - 16;
    const int height = input.byte() - 16;
    const std::string file = input.rest();
    static const std::string name = "fuzz_bmp_" + std::to_string(::getpid());
    FILE* out = std::fopen((name + ".bmp").c_str(), "wb");
    if (out == nullptr)
        return 0;
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    std::vector<unsigned char> pixels(width > 0 && height > 0 ? static_cast<size_t>(width) * height * 3 : 1);
    GS::Image::bmpRead(pixels.data(), width, height, name.c_str());
    std::remove((name + ".bmp").c_str());
    return 0;
}
