#pragma once

#include "ResourceImage.h"

// The process-wide image catalogue (Pattern::Singleton<LibraryImage>): the generic widget
// images and the application's own pictures: brand logos, main-menu and title-bar icons,
// report status, the vessel-dimension drawing, Wi-Fi status and mode pictures and the
// configuration page arrows. All its own entries are of the Images kind with no size folder.
class LibraryImage : public ResourceImage
{
public:
    // Wi-Fi mode pictures.
    enum WIFI_MODE : int {
        WIFI_MODE_AP = 0,
        WIFI_MODE_CLIENT = 1,
    };

    // The application's own groups, in table order.
    enum LIBRARY_GROUP : int {
        GROUP_LOGO = 0,
        GROUP_MAIN_MENU,
        GROUP_REPORT_STATUS,
        GROUP_THEME_FUN,
        GROUP_VESSEL,
        GROUP_WIFI_STATUS,
        GROUP_WIFI_MODE,
        GROUP_DIRECTION,
        LIBRARY_GROUP_COUNT,
    };

    static constexpr int kLibraryEntryCount = 27;

    LibraryImage();
    ~LibraryImage() override;

    // Theme paths.
    QString getDirectionImagePath(int item) const;
    QString getVesselImagePath() const;
    QString getWiFiModeImagePath(WIFI_MODE mode) const;

    // Paths of the view and the controller.
    QString getSatelliteImagePath(int index) const;
    QString getMainMenuImagePath(int index) const;
    QString getThemeFunImagePath(int index) const;
    QString getReportStatusImagePath(int index) const;
    QString getLedImagePath(int row, int index) const;
    QString getLogoImagePath(int index) const;
    QString getWiFiStatusImagePath(int index) const;

    // The path of any entry of the application's own groups; empty outside its table.
    QString libraryImagePath(LIBRARY_GROUP group, int item) const;

private:
    static const SImageGroup kLibraryGroups[LIBRARY_GROUP_COUNT];

    CResource m_libraryEntries[kLibraryEntryCount];
};
