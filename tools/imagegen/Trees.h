#pragma once

class ImageSet;

// One routine per resource tree; each adds every image of its tree to the set.
bool addWidgetImages(ImageSet& set);      // ImageWidget: window controls, check boxes, arrows
bool addSymbolImages(ImageSet& set);      // ImageSymbol: lamps, arrows, small symbols
bool addGraphicImages(ImageSet& set);     // ImageGraphic: sky-map background and satellite markers
bool addApplicationImages(ImageSet& set); // AisConfiguration: logos, menus, Wi-Fi, vessel drawing

class QString;
// The program's icon for the desktop entry, not a Qt resource: <root>/Desktop/kelvora-ais-cfg-<side>.png.
bool writeDesktopIcons(const QString& root);
