#pragma once

#include "LogProbe.h"
#include "comm/CommDefine.h"
#include "comm/CommProfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTcpServer>
#include <QUdpSocket>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

// A package carrying text, with its gap and, when timeoutMs is positive, a reply wait.
inline COMM::STxPackage makePackage(const std::string& text, int gapMs = COMM::kTxDefaultGapMs, int timeoutMs = 0,
                                    const char* awaitText = "")
{
    COMM::STxPackage pkg;
    const size_t length = std::min(text.size(), sizeof(pkg.data));
    std::memcpy(pkg.data, text.data(), length);
    pkg.length = static_cast<int32_t>(length);
    pkg.gapMs = gapMs;
    pkg.response.timeoutMs = timeoutMs;
    std::strncpy(pkg.response.awaitText, awaitText, sizeof(pkg.response.awaitText) - 1);
    return pkg;
}

// A loopback port free at the time of asking.
inline int freeTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

inline int freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.localPort();
}

inline COMM::SCommConntProfile makeSerialProfile(const QString& path, bool active = true, int baudIndex = 0)
{
    COMM::SCommConntProfile profile;
    profile.ConntSetting =
        COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"AIS", COMM::PRIMARY_POS_DEFAULT, active);
    profile.ConntSetting.SplitLines = true;
    profile.CommType = COMM::COMM_TYPE_SERIAL;
    const QByteArray name = path.toLatin1();
    profile.Config.Serial = COMM::BuildSerialConfig(name.constData(), baudIndex);
    return profile;
}

inline COMM::SCommConntProfile makeNetworkProfile(int socketType, const std::string& ip, int port, bool active = true,
                                                  COMM::SENSOR_DEVICE_T sensor = COMM::SENSOR_DEVICE_TRANSPONDER)
{
    COMM::SCommConntProfile profile;
    profile.ConntSetting = COMM::BuildConntLink(sensor, L"NET", COMM::PRIMARY_POS_DEFAULT, active);
    profile.CommType = COMM::COMM_TYPE_NETWORK;
    profile.Config.Network = COMM::BuildNetworkConfig(socketType, ip, port);
    return profile;
}

inline COMM::SCommConntProfile makeLogProfile()
{
    COMM::SCommConntProfile profile;
    profile.ConntSetting = COMM::BuildConntLink(COMM::SENSOR_DEVICE_T(2), L"I62Log", COMM::PRIMARY_POS_UNSET, false);
    profile.CommType = COMM::COMM_TYPE_LOG;
    profile.Config.Log = COMM::BuildLogConfig(COMM::LOG_MODE_REPLAY);
    return profile;
}

// Every sentence a link has queued so far.
template <typename Link>
std::vector<std::string> takeSentences(Link* link)
{
    std::vector<std::string> sentences;
    std::string sentence;
    while (link->getRawDataHandle()->queueNextSentence(&sentence))
        sentences.push_back(sentence);
    return sentences;
}

// Reads back the alarm records (error, critical, exception) logged since it was made. The
// logger empties its ring into "logger.log" on each of them, so they are found in the file:
// each line Base64-coded in whole groups, the level as a mark such as "[!]" or "[E]".
class AlarmProbe
{
public:
    AlarmProbe() : m_offset(QFile(SysDebug::kLogFileName).size()) {}

    // Lines holding part, e.g. "[!]Read the /Connect2/ is failed."
    int count(const std::string& part) const
    {
        Pattern::Singleton<SysDebug>::instance()->msgProc();
        QFile file(SysDebug::kLogFileName);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        file.seek(m_offset);
        const QByteArray text = QByteArray::fromBase64(file.readAll());
        int n = 0;
        for (const QByteArray& line : text.split('\n'))
            n += line.contains(part.c_str());
        return n;
    }

private:
    qint64 m_offset;
};

// A network transport (or holder) made from a profile of the socket type, enabled.
template <typename Transport>
std::unique_ptr<Transport> makeNetworkTransport(int socketType, const std::string& ip, int port)
{
    const COMM::SCommConntProfile profile = makeNetworkProfile(socketType, ip, port);
    std::unique_ptr<Transport> transport;
    if constexpr (std::is_constructible_v<Transport, COMM::COMM_CONNT_SETTING, COMM::SNetworkConntConfig,
                                          COMM::RAWDATA_TYPE, COMM::SOCKET_ROLE>) {
        const bool server = socketType == COMM::SOCKET_TCP_SERVER || socketType == COMM::SOCKET_UDP_SERVER;
        transport = std::make_unique<Transport>(profile.ConntSetting, profile.Config.Network, COMM::RAWDATA_SENTENCE,
                                                server ? COMM::SOCKET_ROLE_SERVER : COMM::SOCKET_ROLE_CLIENT);
        transport->setEnable(true);
    } else {
        transport = std::make_unique<Transport>(profile.ConntSetting, profile.Config.Network, COMM::RAWDATA_SENTENCE);
    }
    return transport;
}
