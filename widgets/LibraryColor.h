#pragma once

#include "services/ResourceColor.h"

// The application's colour set (Pattern::Singleton<LibraryColor>): the 41 base colours,
// each holding its one value in every brightness mode, read by entry index at the entry's
// current mode.
class LibraryColor : public ResourceColor
{
public:
    LibraryColor();
    ~LibraryColor() override;
};
