#pragma once

#include "services/Color.h"
#include "services/Resource.h"

#include <QString>
#include <string>

// The catalogue of generic widget images: window controls, check box, combo box, edit and
// spin-box arrows, header-view sort arrows, status lamps, satellite markers and a few
// symbol sets. Each group is a table of entries indexed [row][item], a row being one
// size-and-tone variant; a path is assembled as
// ":/" group "/" kind folder group size-and-tone folder brightness folder name [_Hover] ".png".
class ResourceImage
{
public:
    // Window-control items.
    enum WG_WINCTRL_S : int {
        WG_WINCTRL_CLOSE = 0,
        WG_WINCTRL_MINI = 1,
    };

    // Kind folders of a resource path.
    enum RESOURCE_KIND : int {
        RESOURCE_WIDGET = 0,
        RESOURCE_SYMBOL = 1,
        RESOURCE_GRAPHIC = 2,
        RESOURCE_IMAGES = 3,
        RESOURCE_SOUNDS = 4,
    };

    // Groups of this catalogue, in table order.
    enum IMAGE_GROUP : int {
        GROUP_WINCTRL = 0,
        GROUP_CHECKBOX,
        GROUP_COMBOBOX,
        GROUP_EDIT,
        GROUP_SPINBOX,
        GROUP_HEADERVIEW,
        GROUP_VISIBLE,
        GROUP_ARROW,
        GROUP_HANDLED,
        GROUP_MODIFY,
        GROUP_LED,
        GROUP_EXTENSION,
        GROUP_SATELLITE,
        GROUP_COUNT,
    };

    static constexpr int kEntryCount = 35;
    // The state that names the hover form of an image.
    static constexpr int kHoverState = 4;

    ResourceImage();
    virtual ~ResourceImage();

    ResourceImage(const ResourceImage&) = delete;
    ResourceImage& operator=(const ResourceImage&) = delete;

    // Moves the widget and symbol entries to a brightness folder; a mode outside 0-4 is ignored.
    virtual void switchColorBrill(COLOR_BRILL_M mode);

    // Brightness folder and file name of an entry.
    static std::string joinImagePath(const CResource& entry);
    // The resource path of one image; empty for a kind outside the kind table.
    static QString getWidgetImagePath(int kind, const std::string& group, const std::string& sizeText,
                                      const std::string& name, int state);

    // Theme paths by size index and item; an index outside the group's table gives an empty path.
    QString getWinCtrlImagePath(int size, WG_WINCTRL_S item, int state) const;
    QString getHeaderViewImagePath(int size, int item) const;
    QString getSpinBoxImagePath(int size, int item) const;
    QString getComboBoxImagePath(int size, int item) const;
    QString getCheckBoxImagePath(int size, int item) const;
    QString getEditImagePath(int size, int item) const;

    // The path of any entry of this catalogue's groups.
    QString imagePath(IMAGE_GROUP group, int row, int item, int state) const;

protected:
    // One group table: rows of size-and-tone variants, each with the same items.
    struct SImageGroup
    {
        const char* name; // group name, resource prefix and folder: "WinCtrl"
        int entryKind;    // kind written into each entry
        int pathKind;     // kind folder of the group's paths
        int rows;
        int items;
        const char* sizeTexts[2]; // size-and-tone folder by row, slashes included
        const char* const* names; // rows x items file names, row by row
        bool followsBrightness;   // moved by the brightness switch
    };

    // Groups lie back to back in one entry array, in table order.
    static void fillEntries(const SImageGroup* groups, int groupCount, CResource* entries);
    static int entryOffset(const SImageGroup* groups, int group);
    static QString groupImagePath(const SImageGroup* groups, int groupCount, int group, const CResource* entries,
                                  int row, int item, int state);

private:
    static const SImageGroup kGroups[GROUP_COUNT];

    CResource m_entries[kEntryCount];
};
