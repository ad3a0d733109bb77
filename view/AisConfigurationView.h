#pragma once

#include "comm/CommDefine.h"
#include "device/DeviceDefine.h"
#include "services/Unit.h"
#include "services/UnitTypes.h"
#include "view/AisCfgViewResourceText.h"
#include "widgets/StyledItemDelegate.h"
#include "widgets/WgComboBox.h"
#include "widgets/WgHistogram.h"
#include "widgets/WgLabel.h"
#include "wifi/WiFiScope.h"

#include "view/AisCfgViewResourceText.h"

#include <QButtonGroup>
#include <QList>
#include <QString>

class CDiagnostics;
class CSensorConfig;
class CWiFiConfig;
class ModSatelliteMap;
class QGridLayout;
class QWidget;
class WgSelectorSwitch;

namespace Ui {
class AisConfiguration;
}

// The product's name and version as the window, the About dialog and the report show them. The
// version is the project's own (project() in CMakeLists.txt), handed in by the build.
#ifndef KELVORA_VERSION
#error "KELVORA_VERSION is defined by the view library's build"
#endif
constexpr const char* kProductTitle = "Kelvora AIS Class B Configuration";
constexpr const char* kProductVersion = "v" KELVORA_VERSION;

// The kind of a message box.
enum MSG_BOX_S : int {
    MSG_BOX_INFORMATION = 0,
    MSG_BOX_QUESTION = 1,
    MSG_BOX_WARNING = 2,
    MSG_BOX_CRITICAL = 3,
};

// Translated titles and messages, mostly of the Wi-Fi configuration; looked up once when the
// view is built and read directly by the controller.
class CAisCfgViewWiFiText
{
public:
    CAisCfgViewWiFiText();

    QString strUnknown;
    QString strInformation;
    QString strWarning;
    QString strAccessPoint;
    QString strClient;
    QString strAutoSelect;
    QString strSsidRequired;
    QString strPasswordFormat;
    QString strPasswordLength;
    QString strInvalidChannel;
    QString strInvalidIpAddress;
    QString strInvalidSubnetMask;
    QString strInvalidPort;
    QString strInvalidWiFi;
    QString strApplyingShort;
    QString strApplyingLong;
    QString strLoading;
    QString strWiFiConfiguration;
    QString strPasswordTitle;
    QString strPasswordPrompt;
    QString strConnectFail;
    QString strFactoryResetTitle;
    QString strFactoryResetQuestion;
    QString strSwitchToClient;
    QString strSwitchToAccessPoint;
    QString strEnableWiFi;
    QString strDisableWiFi;
    QString strContinueQuestion;
    QString strPowerSupply;
    QString strDeterminingModule;
    QString strQuitQuestion;
    QString strSettingFail;
    QString strWiFiService;
    QString strProgramWiFi;
};

// The Configuration page's groups and their split into at most two pages of four; decided once
// per connection.
typedef struct SCfgLayoutInfo
{
    SCfgLayoutInfo() { reset(); }
    // The initial state: the four groups every model has, nothing built.
    void reset();

    int iShownGroupCount;
    int iPageCount;
    int iCurrentPage;
    bool bBuilt;
    bool bVesselDetail;            // wgCfgVesselDetail
    bool bShipDim;                 // wgCfgShipDim
    bool bNmeaBaudRate;            // wgCfgNmeaBaundRate
    bool bSrm;                     // wgCfgSRM
    bool bEncryption;              // wgCfgEncryption
    bool bAdvConfig;               // wgCfgAdvConfig
    QList<QWidget*> lstFirstPage;  // not owned: the form's widgets
    QList<QWidget*> lstSecondPage; // not owned
} CFG_LAYOUT_INFO;

// The main window's view: turns the generated form into the working screen and moves data
// between its widgets and the transponder link's records. Owns no decision: the controller calls
// every operation on the GUI thread. The records behind the two pointers belong to the link;
// the view reads them and writes only into a record its caller passes.
class CAisConfigurationView
{
public:
    static constexpr int kShipTypeCount = 21;

    CAisConfigurationView(Ui::AisConfiguration* form, CSensorConfig* config, CWiFiConfig* wifi);
    ~CAisConfigurationView();

    CAisConfigurationView(const CAisConfigurationView&) = delete;
    CAisConfigurationView& operator=(const CAisConfigurationView&) = delete;

    // Construction and widget set-up.
    void initUiObjDisp();
    void buildShipTypeResource();
    void updateAisAdvConfigDisp(bool show);
    void updateWiFiAdvConfigDisp(bool show);
    void switchHomeMenuDisp(bool home);
    void init();

    // Serial-port list and connection bar.
    void refreshSerialPortDisp(bool initial);
    void updateCommConntDisp();
    COMM::SCommConntProfile getConntProfile(int baudIndex);
    COMM::SCommConntProfile getGeneralConntProfile(COMM::SENSOR_DEVICE_T kind, int baudIndex);

    // Message boxes, title bar, run-time texts and styling.
    void showMsgBox(QWidget* parent, MSG_BOX_S kind, const QString& title, const QString& text, int firstButton,
                    int secondButton);
    void updateBorderTitleDisp();
    void updateUiObjText();
    void updateUiObjPalette();

    // Configuration page display and read-back.
    void setMachineInfo(SMachineTypeData info);
    void updateMachineDisp();
    void updateConfigurationInfo();
    void updateConfigurationMMSIInfo();
    int getShipTypeIndex(int code) const;
    int getBuadRateIndex(int rate) const;
    void getConfigData(CSensorConfig* config);
    void updateCfgViewText();

    // Configuration page layout.
    void initUiObjCfgLayout();
    void setCfgGroupFlags(SCfgLayoutInfo* info, const CSensorConfig* config);
    void setCfgLayoutOrder(int page);
    void setCfgLayoutWidget(QGridLayout* grid, QList<QWidget*> widgets);
    // A group shows when the layout has placed it and the record asks for it.
    void updateCfgGroupDisp(QWidget* group);
    bool isCfgGroupWanted(const QWidget* group) const;

    // Home, GPS Status, Diagnostics, Other Vessels and Serial Data display.
    void updateHomePageDisp();
    void updateSatelliteStatusDisp(bool flag, int fixMode, bool timeUpdated, long long utcTime,
                                   Unit::SPointG2dD position, Unit::WORLD_POS_FORMAT format, float cog, float sog,
                                   float hdop);
    void updateDiagStatusDisp();
    void updateDiagSysCheckDisp(bool gpsFix, const unsigned int rx[2], const unsigned int tx[2]);
    void updateOtherVslListDisp(bool keepStyle);
    void updateSerialDataDisp();
    // When the GPS page last showed a time, wall-clock seconds; 0 before the first.
    long long gpsTimeShownAt = 0;

    // Wi-Fi page and waiting page.
    void updateWiFiDisp();
    void updateWiFiSettingDisp(bool enabled, int mode);
    void getWiFiAPData(WiFiScope::SAPData* data);
    void enableWiFiWaitingDisp(bool on);
    void updateWiFiPGBWaitingMsg(const QString& text);
    static bool isClientAPConnected(const WiFiScope::SWiFiData& wifi);
    // The main page that was current when the waiting page took its place.
    int wifiWaitingPrevPage = 0;

    // The configuration summary. The counters are the caller's copy, taken under their owner's
    // lock; the Wi-Fi record is read through a copy taken under its own.
    QString generateCfgReport(const CDiagnostics& counters);
    QString generateCfgReportConfiguration(const CSensorConfig& config, int model);
    QString generateCfgReportStatus(const CSensorConfig& config, const CDiagnostics& counters, int model);
    QString generateCfgReportWiFi(const CSensorConfig& config);

    // Widgets the view adds to the form; the controller connects and reads them.
    ModSatelliteMap* skyMapGps = nullptr;  // owned
    ModSatelliteMap* skyMapHome = nullptr; // a child of its graphics view
    WgHistogram snrHistogram;
    WgComboBox portComboBox;
    WgLabel mmsiLabel;
    WgSelectorSwitch* wifiEnableSwitch = nullptr; // owned
    QButtonGroup wifiModeGroup;

    // Run-time texts (updateUiObjText).
    QString strAppTitle;
    QString strConnect;
    QString strDisconnect;
    QString strDisconnectTip;
    QString strConnectCheckTip;
    QString strInUse;
    QString strMore;
    QString strInvalidShipNameTip;
    QString strInvalidCallSignTip;
    QString strMmsiTitle;
    QString strMmsiHelp;
    QString strInvalidMmsiTip;
    QString strOn;
    QString strOff;
    QString strAdvMore;
    QString strAdvHide;
    QString strDeviceConfirm;
    QString strStartLog;
    QString strStopLog;
    QString strPortUnavailable; // the chosen port went before "Connect"

    int shipTypeCode[kShipTypeCount] = {};
    QString shipTypeText[kShipTypeCount];

    Ui::AisConfiguration* ui = nullptr; // not owned
    CStyledItemDelegate itemDelegate;
    CSensorConfig* sensorConfig = nullptr; // the displayed record, not owned
    CWiFiConfig* wifiConfig = nullptr;     // not owned
    CAisCfgViewWiFiText wifiText;
    SMachineTypeData machineInfo{}; // machine type 0 until setMachineInfo
    SCfgLayoutInfo cfgLayoutInfo;
    CAisCfgViewResourceText resourceText;

private:
    void updateCfgVesselDetail();
    void updateCfgAdvancedConfiguration();
    void updateCfgBaudRate();
    void updateCfgSRM();
    void updateCfgEncryption();
    void getCfgVesselDetail(CSensorConfig* config);
    void getCfgAdvancedConfiguration(CSensorConfig* config);
    void getCfgBaudRate(CSensorConfig* config);
    void getCfgSRM(CSensorConfig* config);
    void getCfgEncryption(CSensorConfig* config);
};
