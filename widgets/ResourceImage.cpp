#include "ResourceImage.h"

#include "services/SysDebug.h"

namespace {

constexpr const char* kKindFolders[] = {"Widget/", "Symbol/", "Graphic/", "Images/", "Sounds/"};
constexpr int kKindCount = sizeof(kKindFolders) / sizeof(kKindFolders[0]);
constexpr const char* kBrightnessFolders[COLOR_BRILL_COUNT] = {"", "DayWhite/", "DayBlack/", "Dusk/", "Night/"};

constexpr const char* kWinCtrlNames[] = {"0.Close", "1.Mini"};
constexpr const char* kCheckBoxNames[] = {"Checked", "Unchecked", "Checked", "Unchecked"};
constexpr const char* kDownArrowNames[] = {"DownArrow"};
constexpr const char* kSpinBoxNames[] = {"Add", "Sub"};
constexpr const char* kHeaderViewNames[] = {"Up", "Down"};
constexpr const char* kVisibleNames[] = {"Visible", "Invisible"};
constexpr const char* kArrowNames[] = {"Left", "Up", "Right", "Down", "Left", "Up", "Right", "Down"};
constexpr const char* kHandledNames[] = {"Handled", "Unhandled"};
constexpr const char* kModifyNames[] = {"Edit"};
constexpr const char* kLedNames[] = {"Red", "Green", "Blue", "Orange", "Gray"};
constexpr const char* kExtensionNames[] = {"Full", "ExitFull"};
constexpr const char* kSatelliteNames[] = {"Map", "InView", "InUse"};

} // namespace

// The groups that no path builder reads keep their resource folder as the row text.
const ResourceImage::SImageGroup ResourceImage::kGroups[GROUP_COUNT] = {
    {"WinCtrl", 1, 0, 1, 2, {"/A20/", ""}, kWinCtrlNames, true},
    {"CheckBox", 0, 0, 2, 2, {"/A20Gray/", "/B32Blue/"}, kCheckBoxNames, true},
    {"ComboBox", 0, 0, 1, 1, {"/A16Gray/", ""}, kDownArrowNames, true},
    {"Edit", 0, 0, 1, 1, {"/A16Gray/", ""}, kDownArrowNames, true},
    {"SpinBox", 0, 0, 1, 2, {"/A12Gray/", ""}, kSpinBoxNames, true},
    {"HeaderView", 0, 0, 1, 2, {"/A16Gray/", ""}, kHeaderViewNames, false},
    {"Visible", 1, 1, 1, 2, {"/A25Blue/", ""}, kVisibleNames, true},
    {"Arrow", 1, 1, 2, 4, {"/A30Gray/", "/B16White/"}, kArrowNames, true},
    {"Handled", 1, 1, 1, 2, {"/A20Gray/", ""}, kHandledNames, true},
    {"Modify", 1, 1, 1, 1, {"/A25Gray/", ""}, kModifyNames, true},
    {"Led", 1, 1, 1, 5, {"/A30/", ""}, kLedNames, true},
    {"Extension", 1, 1, 1, 2, {"/A36Orange/", ""}, kExtensionNames, false},
    {"Satellite", 2, 2, 1, 3, {"/", ""}, kSatelliteNames, false},
};

ResourceImage::ResourceImage()
{
    fillEntries(kGroups, GROUP_COUNT, m_entries);
}

ResourceImage::~ResourceImage() = default;

void ResourceImage::switchColorBrill(COLOR_BRILL_M mode)
{
    if (mode < 0 || mode >= COLOR_BRILL_COUNT)
        return;
    for (int group = 0; group < GROUP_COUNT; ++group) {
        if (!kGroups[group].followsBrightness)
            continue;
        CResource* entries = m_entries + entryOffset(kGroups, group);
        for (int i = 0; i < kGroups[group].rows * kGroups[group].items; ++i)
            entries[i].brightness = mode;
    }
}

std::string ResourceImage::joinImagePath(const CResource& entry)
{
    if (entry.kind > RESOURCE_IMAGES)
        return entry.name;
    if (entry.brightness == COLOR_BRILL_DAY_WHITE && entry.flag)
        return entry.name;
    if (entry.brightness < 0 || entry.brightness >= COLOR_BRILL_COUNT)
        return entry.name;
    return kBrightnessFolders[entry.brightness] + entry.name;
}

QString ResourceImage::getWidgetImagePath(int kind, const std::string& group, const std::string& sizeText,
                                          const std::string& name, int state)
{
    if (kind < 0 || kind >= kKindCount)
        return QString();
    std::string path = ":/" + group + "/" + kKindFolders[kind] + group + sizeText + name;
    if (state == kHoverState)
        path += "_Hover";
    path += ".png";
    return QString::fromStdString(path);
}

QString ResourceImage::getWinCtrlImagePath(int size, WG_WINCTRL_S item, int state) const
{
    return imagePath(GROUP_WINCTRL, size, item, state);
}

QString ResourceImage::getHeaderViewImagePath(int size, int item) const
{
    return imagePath(GROUP_HEADERVIEW, size, item, 0);
}

QString ResourceImage::getSpinBoxImagePath(int size, int item) const
{
    return imagePath(GROUP_SPINBOX, size, item, 0);
}

QString ResourceImage::getComboBoxImagePath(int size, int item) const
{
    return imagePath(GROUP_COMBOBOX, size, item, 0);
}

QString ResourceImage::getCheckBoxImagePath(int size, int item) const
{
    return imagePath(GROUP_CHECKBOX, size, item, 0);
}

QString ResourceImage::getEditImagePath(int size, int item) const
{
    return imagePath(GROUP_EDIT, size, item, 0);
}

QString ResourceImage::imagePath(IMAGE_GROUP group, int row, int item, int state) const
{
    return groupImagePath(kGroups, GROUP_COUNT, group, m_entries, row, item, state);
}

void ResourceImage::fillEntries(const SImageGroup* groups, int groupCount, CResource* entries)
{
    for (int group = 0; group < groupCount; ++group) {
        for (int i = 0; i < groups[group].rows * groups[group].items; ++i, ++entries) {
            entries->kind = groups[group].entryKind;
            entries->name = groups[group].names[i];
        }
    }
}

int ResourceImage::entryOffset(const SImageGroup* groups, int group)
{
    int offset = 0;
    for (int i = 0; i < group; ++i)
        offset += groups[i].rows * groups[i].items;
    return offset;
}

QString ResourceImage::groupImagePath(const SImageGroup* groups, int groupCount, int group, const CResource* entries,
                                      int row, int item, int state)
{
    if (group < 0 || group >= groupCount)
        return QString();
    const SImageGroup& table = groups[group];
    if (row < 0 || row >= table.rows || item < 0 || item >= table.items) {
        SYS_DEBUG(DEBUG_MSG_WARNING, "%s image [%d][%d] outside its table", table.name, row, item);
        return QString();
    }
    const CResource& entry = entries[entryOffset(groups, group) + row * table.items + item];
    return getWidgetImagePath(table.pathKind, table.name, table.sizeTexts[row], joinImagePath(entry), state);
}
