#pragma once

#include "SensorEngine/GpsInfo.h"
#include "SensorEngine/SensorService.h"
#include "SensorEngine/TargetInfo.h"
#include "comm/CommDefine.h"
#include "device/AisSentenceHandle.h"
#include "wifi/WiFiConfig.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <map>
#include <string>
#include <vector>

struct SWiFiCmdLine;

namespace COMM {
class CCommData;
class CServiceComm;
} // namespace COMM

// The transponder on the current serial link: routes what the link receives to the sentence
// path or to the Wi-Fi reply parser, hands decoded GPS and AIS data to their models and queues
// lines with the line end the Wi-Fi mode asks for. Lives on the GUI thread; its receive slots run
// on the communication thread through direct connections.
class CDeviceComm : public QObject
{
    Q_OBJECT

public:
    // A package holds 512 bytes: the line, CR, LF and the NUL behind them.
    static constexpr int kMaxLineLength = COMM::kTxPackageDataSize - 3;
    static constexpr int kLineGapMs = 200;
    static constexpr unsigned char kSerialReConntTimes = 3;

    CDeviceComm();
    ~CDeviceComm() override;

    // Communication thread: the link's life.
    void setComm(COMM::CCommData* link);
    void connectSetup();
    void pareComm(COMM::CCommData* link);
    void end();
    // Takes the current link's connected state over for the GUI thread's senders.
    void refreshCommState();

    // The line send path: CR (only while the Wi-Fi mode is 0) and LF are added. True when queued;
    // false without a current link or for a line longer than kMaxLineLength (logged, not cut).
    bool sendCommand(std::string line, COMM::SResponseInform* response);
    // Appends a complete package to the current link's queue; false without one.
    bool appendToCommQ(COMM::STxPackage& package);
    bool isCommConnected();
    // The current link's transport, to be compared only: it may be deleted once this returns.
    COMM::CServiceComm* currentComm();
    // Gives up the current link's queued packages and its reply wait (GUI thread); packages
    // queued after this returns are kept. False without a link.
    bool resetComm();

    bool checkWiFiMode(char* line);
    void switchRawDataType(COMM::RAWDATA_TYPE type);

    // Wi-Fi pass-through switch and AT send path, GUI thread.
    static constexpr int kWiFiReplyTimeoutMs = 20000; // the module's longest answer
    void sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode);
    void switchSysMode(WiFiScope::WIFI_SYS_MODE mode);
    // True when queued; false without a link, or for a line or awaited text that does not fit
    // (refused with an Error record, never cut).
    bool sendCmdRespPass(int timeoutMs, std::string awaited, std::string command, std::string parameter);
    static std::string composeWiFiCfgCmd(std::string command, std::string value);
    // The Wi-Fi jobs: each queues its whole AT command sequence, or nothing of it.
    void sendWiFiBasicInfoQueryCmd();
    void sendWiFiCfgCmd(WiFiScope::SAPData* data);
    void sendWiFiModeCtrlCmd(bool enable, WiFiScope::WIFI_OPERATION_MODE mode);
    void sendWiFiFactoryRstCmd();
    void sendWiFiClientScanCmd();
    void sendWiFiClientAPCntCmd(WiFiScope::SClintAPCntData* request);
    void sendWiFiClientAPCntStatusCmd();
    // Tests shorten the module's reply time-out here: for every line, or, named, only for the
    // lines of one command ("AT+SCAN") or only for its settings ("AT+DHCPCEN="), so that a
    // module that answers is never timed out by a busy machine.
    void setWiFiReplyTimeoutMs(int ms, const std::string& lines = std::string());

    // GUI thread.
    void initDevConfigInfo();
    void initDevDiagnoseInfo();
    // Once a second: the own vessel, every target's range and bearing, and the targets' ageing
    // (those silent for the table's delete time are removed).
    void updateSensorInfoPerSec();

    CAisSentenceHandle* getSentenceHandle() { return &m_sentenceHandle; }
    CWiFiConfig* getWiFiConfig() { return &m_wifiConfig; }
    SensorScope::Gps::CGpsInfo* getGpsInfo() { return &m_gpsInfo; }
    SensorScope::Target::CTargetInfo* getTargetInfo() { return m_targetInfo; }
    COMM::SResponseInform* getResponseInform() { return &m_response; }

signals:
    void signalRxLogMsg(void* poComm, QString strLogMsg);

public slots:
    void onRxSentence(void* sender, char cCommType);
    void onRxMsg(void* sender, char cCommType);
    void onFillGpsData(int iI62Listener, int iSentenceFmt, bool bCheckGpsSignal, bool bPlayLog);
    void onFillAisOwnData(int iI62Listener);
    void onFillAisTargetData(uint iTargetMmsi);
    void onWiFiCfgModeEnable(int eWiFiMode);

private:
    void setSystemMode(int eWiFiMode, const char* line);
    bool queueWiFiJob(const std::vector<SWiFiCmdLine>& lines);
    int wifiReplyTimeoutMs(const SWiFiCmdLine& line) const;

    CAisSentenceHandle m_sentenceHandle;
    // The current link's transport, not owned. Lock order: this guard first, then the link's own
    // mutex (taken inside appendToTxPackageQ); never the other way round. The link announces what
    // it received with its mutex released, so the receive slots may take this guard.
    QMutex m_commMutex;
    COMM::CServiceComm* m_comm = nullptr;
    std::atomic<bool> m_commConnected{false};
    COMM::SResponseInform m_response;
    int m_wifiReplyTimeoutMs = kWiFiReplyTimeoutMs;
    std::map<std::string, int> m_wifiReplyTimeoutsMs; // by command, or by command and "="
    CWiFiConfig m_wifiConfig;
    SensorScope::Gps::CGpsInfo m_gpsInfo;
    SensorScope::Target::CTargetInfo* m_targetInfo = nullptr;
    CSensorService m_sensorService;
};
