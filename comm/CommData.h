#pragma once

#include "comm/CommDefine.h"

#include <cstdint>
#include <string>

namespace COMM {

class CServiceComm;
class CSerialPort;
class CNetworkSocket;
class CLogListener;

// One link as the connection manager keeps it: its transport, made from a profile,
// and the bookkeeping of reconnection and re-creation. Lives and dies on the
// manager's thread.
class CCommData
{
public:
    CCommData();
    ~CCommData();

    CCommData(const CCommData&) = delete;
    CCommData& operator=(const CCommData&) = delete;

    // Each returns null when the link already has such a transport or none could be made.
    CSerialPort* createSerialPort(const SCommConntProfile& profile, const RAWDATA_TYPE type);
    CNetworkSocket* createNetworkSocket(const SCommConntProfile& profile, const RAWDATA_TYPE type);
    CLogListener* createLog(const SCommConntProfile& profile, const RAWDATA_TYPE type);

    // The profile that re-creates the running transport; the empty profile when there is none.
    SCommConntProfile getProfile();
    // "<port> <baud>" or "<ip> <port>" for the log.
    std::string getSetupInfo();
    // True when the reconnection round leaves this link out.
    bool matchExceptConnt(bool exceptLog, bool exceptTcpClient, bool exceptUdpServer);

    void setReConntTimes(unsigned char n) { m_reConntTimes = n; }
    void resetReConntedCount() { m_reConntedCount = 0; }
    // One more failed attempt, held at the limit so the count never wraps.
    void increaseReConntedCount();
    void keepComm() { m_keepComm = true; }

    COMM_TYPE getCommType() const { return m_commType; }
    int32_t getSocketType() const { return m_socketType; }
    CSerialPort* getSerialPort() const { return m_serialPort; }
    CNetworkSocket* getNetworkSocket() const { return m_networkSocket; }
    CLogListener* getLogListener() const { return m_logListener; }
    // The transport by comm type: serial port, the network holder's socket service, log listener.
    CServiceComm* getServiceComm() const;
    unsigned char getReConntTimes() const { return m_reConntTimes; }
    unsigned char getReConntedCount() const { return m_reConntedCount; }
    bool isKeepComm() const { return m_keepComm; }
    // Never the same for two links of the process, though one may reuse another's address.
    uint64_t getCommSerial() const { return m_serial; }

private:
    const uint64_t m_serial;
    COMM_TYPE m_commType = COMM_TYPE_NONE;
    int32_t m_socketType = -1;
    CSerialPort* m_serialPort = nullptr;
    CNetworkSocket* m_networkSocket = nullptr;
    CLogListener* m_logListener = nullptr;
    unsigned char m_reConntTimes = 0; // 0: never given up
    unsigned char m_reConntedCount = 0;
    bool m_keepComm = false;
};

} // namespace COMM
