#include "LibraryImage.h"

namespace {

constexpr const char* kLogoNames[] = {"Ostrel", "Surnak", "Kelvora"};
constexpr const char* kMainMenuNames[] = {"0.Home"};
constexpr const char* kReportStatusNames[] = {"0.Good", "1.Failed"};
constexpr const char* kThemeFunNames[] = {"0.Help", "1.About", "2.Book", "GenerateReport"};
constexpr const char* kVesselNames[] = {"Dimension"};
constexpr const char* kWiFiStatusNames[] = {"0.RSSI1",    "1.RSSI2",     "2.RSSI3",   "3.RSSI4",      "4.RSSI5",
                                            "5.Security", "6.Connected", "7.Connect", "8.Disconnect", "9.Empty"};
constexpr const char* kWiFiModeNames[] = {"0.AP Mode", "1.Client Mode"};
constexpr const char* kDirectionNames[] = {"ArrowRight", "ArrowLeft", "ArrowRightHover", "ArrowLeftHover"};

} // namespace

const ResourceImage::SImageGroup LibraryImage::kLibraryGroups[LIBRARY_GROUP_COUNT] = {
    {"Logo", 3, 3, 1, 3, {"/", ""}, kLogoNames, false},
    {"MainMenu", 3, 3, 1, 1, {"/", ""}, kMainMenuNames, false},
    {"ReportStatus", 3, 3, 1, 2, {"/", ""}, kReportStatusNames, false},
    {"ThemeFun", 3, 3, 1, 4, {"/", ""}, kThemeFunNames, false},
    {"Vessel", 3, 3, 1, 1, {"/", ""}, kVesselNames, false},
    {"WiFiStatus", 3, 3, 1, 10, {"/", ""}, kWiFiStatusNames, false},
    {"WiFiMode", 3, 3, 1, 2, {"/", ""}, kWiFiModeNames, false},
    {"Direction", 3, 3, 1, 4, {"/", ""}, kDirectionNames, false},
};

LibraryImage::LibraryImage()
{
    fillEntries(kLibraryGroups, LIBRARY_GROUP_COUNT, m_libraryEntries);
}

LibraryImage::~LibraryImage() = default;

QString LibraryImage::getDirectionImagePath(int item) const
{
    return libraryImagePath(GROUP_DIRECTION, item);
}

QString LibraryImage::getVesselImagePath() const
{
    return libraryImagePath(GROUP_VESSEL, 0);
}

QString LibraryImage::getWiFiModeImagePath(WIFI_MODE mode) const
{
    return libraryImagePath(GROUP_WIFI_MODE, mode);
}

QString LibraryImage::getSatelliteImagePath(int index) const
{
    return imagePath(GROUP_SATELLITE, 0, index, 0);
}

QString LibraryImage::getMainMenuImagePath(int index) const
{
    return libraryImagePath(GROUP_MAIN_MENU, index);
}

QString LibraryImage::getThemeFunImagePath(int index) const
{
    return libraryImagePath(GROUP_THEME_FUN, index);
}

QString LibraryImage::getReportStatusImagePath(int index) const
{
    return libraryImagePath(GROUP_REPORT_STATUS, index);
}

QString LibraryImage::getLedImagePath(int row, int index) const
{
    return imagePath(GROUP_LED, row, index, 0);
}

QString LibraryImage::getLogoImagePath(int index) const
{
    return libraryImagePath(GROUP_LOGO, index);
}

QString LibraryImage::getWiFiStatusImagePath(int index) const
{
    return libraryImagePath(GROUP_WIFI_STATUS, index);
}

QString LibraryImage::libraryImagePath(LIBRARY_GROUP group, int item) const
{
    return groupImagePath(kLibraryGroups, LIBRARY_GROUP_COUNT, group, m_libraryEntries, 0, item, 0);
}
