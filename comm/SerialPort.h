#pragma once

#include "comm/ServiceComm.h"

#include <QSerialPort>

namespace COMM {

// The transport of a serial link: opens the port 8N1 without flow control, feeds
// what arrives into the common receive path, writes the packages of the transmit
// step, and marks the port lost when the device goes away.
class CSerialPort : public CServiceComm
{
    Q_OBJECT

public:
    CSerialPort(COMM_CONNT_SETTING setting, SSerialConntConfig config, RAWDATA_TYPE type);
    ~CSerialPort() override;

    bool connectPort();
    void connectedProc();
    void disconnectedProc();
    bool writeDataSender(const char* data, int len);

    bool isPortLost() const { return m_portLost; }
    const SSerialConntConfig& getSerialConfig() const { return m_serialConfig; }

    void connectSetup() override;
    bool isConnected() override;
    SCommConntProfile getProfile() override;
    bool commTxPackageSender(STxPackage pkg) override;

signals:
    void signalSerialRxSentence(void* poSender, char iCommType);

public slots:
    void onDataReceiver();
    void onError(QSerialPort::SerialPortError eError);

private:
    bool failOpened(const char* step);
    void closeLostPort();

    QSerialPort* m_port = nullptr;
    SSerialConntConfig m_serialConfig;
    bool m_portLost = false;
};

} // namespace COMM
