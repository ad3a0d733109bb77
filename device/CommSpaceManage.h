#pragma once

#include "comm/CommSpace.h"
#include "device/DeviceComm.h"

// The program's connection manager: keeps the device object bound to the current serial link
// and is the controller's one way to the transponder.
class CCommSpaceManage : public CCommSpace
{
    Q_OBJECT

public:
    static constexpr int kSentenceGapMs = 100;
    static constexpr const char* kCommFailedText = "Communication is failed";

    explicit CCommSpaceManage(QObject* parent = nullptr);
    ~CCommSpaceManage() override;

    // GUI thread.
    void connectDeviceComm(COMM::SCommConntProfile& profile);
    void disconnectDeviceComm();
    // The sentence send path: length bytes of a complete sentence (checksum and CR LF included)
    // queued as one package. True means queued; false, with an Error record, without a connected
    // link or for more than a package holds.
    bool sendCommand(const char* data, int length);

    // Wi-Fi, passed on to the device object.
    void sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode) { m_deviceComm.sendCmdToSwitchWiFiMode(mode); }
    void sendWiFiBasicInfoQueryCmd() { m_deviceComm.sendWiFiBasicInfoQueryCmd(); }

    CDeviceComm* getDeviceComm() { return &m_deviceComm; }

protected:
    void commInitCommConnt() override {}
    void commInitThreadReady(QThread*) override {}
    void commReadCommConnect() override {}
    void commWriteCommConnect() override {}
    void commConnectSetup(COMM::CCommData*) override {}
    void commReleaseTh() override;
    void commCommDataSaved(COMM::CCommData* link) override;
    void commDeleteCommData(COMM::CCommData* link) override;
    void commCommDataDeleted() override {}
    void commCycleChecking() override;

private:
    CDeviceComm m_deviceComm;
};
