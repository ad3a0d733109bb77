#pragma once

#include "device/AisCommandData.h"
#include "device/EnvironmentSetup.h"
#include "view/AisConfigurationView.h"
#include "wifi/WiFiScope.h"

#include "view/WiFiAPExchangeSet.h"

#include <QByteArray>
#include <QMainWindow>
#include <QModelIndex>
#include <QPoint>
#include <QString>
#include <string>

class CAboutForm;
class CCommSpaceManage;
class CSensorConfig;
class CTargetExchangeSet;
class ModSatelliteMap;
class QButtonGroup;
class QTableView;
class QTextBrowser;
class QTimer;
class QTranslator;

namespace COMM {
class CServiceComm;
}

namespace Ui {
class AisConfiguration;
}

// The manual opened by Help, in "Help/" beside the program.
constexpr const char* kManualFileName = "KelvoraAISClassBCfg_Manual_EN.pdf";

// The main window and its controller: reacts to the user, drives detection, reading and
// programming of the transponder and the Wi-Fi procedures once a second, and reaches the
// transponder only through the connection manager. GUI thread only.
class AisConfiguration : public QMainWindow
{
    Q_OBJECT

public:
    explicit AisConfiguration(QWidget* parent = nullptr);
    ~AisConfiguration() override;

    // The controller's clock, in whole seconds of the wall clock.
    static long long nowSeconds();

    // For the tests, which drive the tick and read the window's parts.
    Ui::AisConfiguration* getForm() const { return ui; }
    CAisConfigurationView* getView() const { return m_view; }
    CCommSpaceManage* getCommManage() const { return m_commManage; }
    QTimer* getRefreshTimer() const { return m_refreshTimer; }
    CAboutForm* getAboutForm() const { return m_aboutForm; }
    const CEnvironmentSetup& getEnvSetup() const { return m_envSetup; }
    CTargetExchangeSet* getTargetModel() const { return m_targetModel; }
    CWiFiAPExchangeSet* getApModel() { return &m_apModel; }

public slots:
    void onStartupReady();
    void onAboutClick();
    void onHelpClick();
    void onGenerateCfgReport();
    void onRefreshSerialPortDisp();
    void onCommConntStatusChange();
    void onConntDeleted();
    void onConntSaved();
    void onCommRxLogMsg(void* poComm, QString strLogMsg);
    void onClose();
    void onMinimized();
    void onMainMenuSwitch(int iIdx);
    void onShipNameToUpper(const QString& strText);
    void onCallSignToUpper(const QString& strText);
    void onLabelMmsiDoubleClick();
    void onMmsiHelpClick();
    void onMmsiReset();
    void onCfgAdvConfigChanged();
    void onCfgProgramDev();
    void onRefreshDiagnostics();
    void onEnableLogSwitch();
    void onClearLog();
    void onSaveLog();
    void onSendCommand();
    void onTimerRefresh();
    void onWiFiEnable();
    void onWiFiOPModeChange();
    void onWiFiCfgApply();
    void onWiFiAdvConfigChanged();
    void onWiFiCfgPassWordChange(int iState);
    void onFactoryReset();
    void onClientRefresh();
    void onClientAPCntDoubleClick();
    void onGetClintAPListData(QModelIndex modelIdx);
    void onEncryptionModeEnable(int iState);
    void onEncryptionAddressMode(int iState);
    void onSRMTxtEdited(const QString& strText);

protected:
    // Window behaviour (AisConfigurationWindow.cpp).
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

public:
    // Start-up (AisConfiguration.cpp).
    void initUiObj();
    void initForm();
    void updateUiText();
    void configureWgConnections();
    void readAllProfileIni();
    void switchLanguageType(int language);
    void enableConfigDisp();
    void init();
    bool isWiFiAPListNeedToFirstRefresh();

    // Window behaviour (AisConfigurationWindow.cpp).
    void setOtherVesselsColumnWidth(QTableView* table);

    // Refresh tick, detection and configuration read (AisConfigurationTick.cpp).
    void autoDetermineTrxDev();
    void updateConfigInfoAndDisp();
    void leaveWiFiCfgMode();
    bool enableDebugPortView(unsigned short mask, bool autoCheck);
    void autoCheckSystemStatus();
    void updateDiagnosticsDisp();
    void updateOtherVesselsDisp(bool keepStyle);
    void checkGenerateReport();

    // Program Device, MMSI reset and the sentence senders (AisConfigurationProgram.cpp).
    void configVesselDetail(CSensorConfig* config);
    void configAdvancedConfiguration(CSensorConfig* config);
    void configBaudRate(CSensorConfig* config);
    void configSRM(CSensorConfig* config);
    void configEncryption(CSensorConfig* config);
    static void recomposeSentForReservedChar(char* out, const char* in);
    bool sendAIAIQSentToCommPort(std::string query);
    bool sendPQXVCfgSentToCommPort(bool command, int group, int sub, int value, const char* text);
    bool sendPTSTSentToCommPort(unsigned short mask);
    bool sendCommWithCheckSum(const char* text);
    bool sendPQXVDbgSentToCommPort(bool command, const SDBGCommandStruct* pairs, int count);
    bool sendPDBGSentToCommPort(const SDBGCommandStruct* pairs);
    bool sendPMIDSentToCommPort(int mmsi);
    bool sendPQXVMidSentToCommPort(int mmsi);
    bool sendECSSDSentToCommPort(const char* callSign, const char* name, int dimA, int dimB, int dimC, int dimD);
    bool sendECVSDSentToCommPort(int shipType);
    bool sendAIEPVSentToCommPort(int mmsi, int property, int value);

    // Page switching and page refresh (AisConfigurationPages.cpp).
    void updateCurPageDisp(int page);
    void wgHomeQuickMenuClick();
    void wgWiFiModeClick();
    void gdLayOutCfgClick();
    void updateHomePageDisp(bool skyMapOnly);
    void updateGPSStatusDisp(bool unused = false);
    void drawSNRBarChart();
    void drawSatellites(ModSatelliteMap* map);
    void checkDevPower();
    void enableWiFiWaitingDisp(bool on);

    // Serial monitor, command sending, log saving and help (AisConfigurationSerial.cpp).
    void recomposeLogMsgForNewLine(QString* text);
    void clearSerialDataMonitor();
    void msgAutoScroll(QTextBrowser* browser);
    void updateSerialDataMemo(QTextBrowser* browser, COMM::CServiceComm* link, QString text);
    static void convQStringToCharArray(char* out, int size, const QString& text);

    // Wi-Fi main procedure and jobs (AisConfigurationWiFi.cpp).
    void wifiMainProc(WiFiScope::WIFI_MAIN_PROC_S state);
    bool wifiProcTimeOut();
    void wifiCfgType(WiFiScope::WIFI_CFG_TYPE type, int subState);
    void restWiFiCfgSubProc();
    void showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text, int firstButton, int secondButton);
    void wifiQueryProc(int subState);
    void wifiSetupProc(int subState);
    void wifiClientScanProc(int subState);
    bool wifiLinkStatusStep(int subState, const char* job);
    void wifiJobEnd(WiFiScope::WIFI_CFG_TYPE next, const char* finish);
    bool askJoinPassPhrase(QWidget* parent);
    void wifiClientAPCntProc(int subState);
    void wifiFunModeCtrlProc(int subState);
    void wifiFactoryResetProc(int subState);
    bool checkOPMode(int mode);
    // A join request for this network name makes the module leave its access point.
    static constexpr const char* kWiFiDisconnectSsid = "%72904#-*K318Q?";
    // For the tests.
    const WiFiScope::SClintAPCntData& getApJoinRequest() const { return m_apJoinRequest; }

    // Wi-Fi user actions and input checks (AisConfigurationWiFiActions.cpp).
    bool checkInputRule();
    bool checkWiFiPassword();
    bool checkWiFiChannel();
    bool checkWiFiPort();
    bool checkWiFiIPSets(const QString& text);
    void getClientAPListData(QModelIndex index, WiFiScope::SClintAPCntData* request);

private:
    Ui::AisConfiguration* ui = nullptr;
    CAisConfigurationView* m_view = nullptr;
    bool m_reportPending = false;
    QTranslator* m_appTranslator = nullptr;
    QTranslator* m_noticeTranslator = nullptr;
    long long m_lastVersionQuery = 0; // detection time stamp, seconds
    CEnvironmentSetup m_envSetup;
    CAboutForm* m_aboutForm = nullptr;
    CCommSpaceManage* m_commManage = nullptr; // Qt child
    QByteArray m_serialDataText;              // the stored log of the Serial Data page
    CTargetExchangeSet* m_targetModel = nullptr;
    bool m_windowReady = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
    QPoint m_dragPressPos; // global; a release far from it ends a drag, not a click
    QButtonGroup* m_mainMenuGroup = nullptr; // Qt child of wgMainMenu
    QButtonGroup* m_homeMenuGroup = nullptr; // Qt child of tabMainHome
    QTimer* m_refreshTimer = nullptr;        // Qt child
    WiFiScope::SClintAPCntData m_apJoinRequest;
    CWiFiAPExchangeSet m_apModel;

    // State of the later steps, kept here rather than process-wide.
    long long m_autoCheckTime = 0; // the Diagnostics page's automatic status query, seconds
    QString m_lineRemainder;       // the incomplete last line of the Serial Data monitor
    QString m_savedPassword;       // the Wi-Fi password kept aside while "None" is checked
    int m_keyExchangeSequence = 0; // sequence number of the next key-exchange sentence
    bool m_tickRunning = false;    // the refresh tick is under way (a box it opened may be open)
    bool m_wifiProcBusy = false;   // a step of the Wi-Fi procedure waits on a message box
};
