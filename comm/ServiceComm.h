#pragma once

#include "comm/CommDefine.h"
#include "comm/RawDataHandle.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <atomic>
#include <ctime>
#include <deque>
#include <string>

class QTimer;

namespace COMM {

// Base of every transport: the link mutex, the paced transmit queue with its 100 ms
// tick and reply wait, the received-data queues and the common receive path.
// Lives on the thread that created it; other threads only append packages and reset.
class CServiceComm : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTxTimerMs = 100;

    CServiceComm(COMM_CONNT_SETTING setting, RAWDATA_TYPE type);
    ~CServiceComm() override;

    void timerSetup(bool on);

    // Sending, from any thread.
    void appendToTxPackageQ(STxPackage& pkg, bool toBack);
    void copyToTxPackageQ(std::deque<STxPackage>& other, bool toBack);
    void reset();
    void release();
    void clearTxPackage();

    // Receiving, on the link's thread.
    void rxPackageProc(QByteArray data, bool noSignal);
    void rawDataHandle(QByteArray& data, RAWDATA_TYPE type);
    void rawDataDistribution(RAWDATA_TYPE type);

    // Transmit step and its tests.
    void txPackageSender();
    bool checkTxWaiting(const STxPackage& next);
    bool checkTxPkg(STxPackage& pkg, STxPackage* next, bool series);
    bool isTxRequest();
    bool queueNextTxPackage(STxPackage* out, bool pop);
    bool queueSerialPackageLast(STxPackage* out);
    void swapTxPackages(std::deque<STxPackage>* other);

    void initial();
    bool checkTimeOut(long long seconds) const;

    void updateConnected();
    void updateDisconnected();
    void updateLostTime();
    void updateRxTime();
    void updateRxDataSize(int n);

    void setEnable(bool enable);
    void setContent(std::string content);
    void setRawDataType(RAWDATA_TYPE type);
    void setCommType(COMM_TYPE type);
    void setConntPrimaryPosDev(PRIMARY_POS_DEV pos);
    void setDebugConfig(const SDebugConfig& config);

    // One information line: the tag, then the payload as text or as hexadecimal bytes.
    // Never reads past len bytes.
    void printMsg(const char* data, int len, const std::string& tag);

    bool isEnable() const { return m_enable; }
    CRawDataHandle* getRawDataHandle() const { return m_rawDataHandle; }
    RAWDATA_TYPE getRawDataType() const { return static_cast<RAWDATA_TYPE>(m_rawDataType.load()); }
    COMM_TYPE getCommType() const { return m_commType; }
    const COMM_CONNT_SETTING& getConntSetting() const { return m_conntSetting; }
    const SDebugConfig& getDebugConfig() const { return m_debugConfig; }
    const std::string& getContent() const { return m_content; }
    bool getConnectedFlag() const { return m_connected; }
    long long getRxTimeMs() const { return m_rxTimeMs; }
    uint32_t getRxDataSize() const { return m_rxDataSize; }

    virtual void connectSetup();
    virtual bool isConnected();
    virtual SCommConntProfile getProfile() = 0;
    virtual bool commTxPackageSender(STxPackage pkg);

signals:
    // Emitted on the link's thread without the link's lock held: a receiver connected
    // directly may queue packages on this link, change its raw-data type or reset it.
    void signalRxMessage(void* poSender, char iCommType);
    void signalRxSentence(void* poSender, char iCommType);
    void signalRxBinData(void* poSender);
    void signalRxCmdData(void* poSender);

public slots:
    void onTxDataTimer();

private:
    void resetTx();

    QMutex m_mutex;
    QTimer* m_txTimer = nullptr;
    std::deque<STxPackage> m_txPackageQ;
    STxPackage m_lastTxPackage;
    std::atomic<bool> m_resetRequest{false};
    bool m_connected = false;
    CRawDataHandle* m_rawDataHandle = nullptr;
    std::atomic<int32_t> m_rawDataType;
    COMM_TYPE m_commType = COMM_TYPE_NONE;
    COMM_CONNT_SETTING m_conntSetting;
    std::atomic<bool> m_enable{true};
    std::string m_content;
    time_t m_stateTime = 0;
    time_t m_rxTime = 0;
    long long m_rxTimeMs = 0;
    uint32_t m_rxDataSize = 0;
    long long m_lastTxMs = 0;
    SDebugConfig m_debugConfig;
};

} // namespace COMM
