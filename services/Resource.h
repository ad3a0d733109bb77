#pragma once

#include <string>

// One entry of the image catalogue: kind folder, file name and brightness folder.
class CResource
{
public:
    CResource() = default;

    int kind = -1;
    std::string name;
    int brightness = 0;
    bool flag = true;  // with brightness 1, the name stands without a brightness folder
};
