#include "NetworkTransport.h"

#include <cstdio>

namespace COMM {

void SetupNetworkTransport(CServiceComm* transport, SNetworkConntConfig& config, const char* protocol, bool server)
{
    config.IpAddress[kIpAddressSize - 1] = '\0';
    transport->setObjectName(QString::fromWCharArray(transport->getConntSetting().DevName));
    transport->setCommType(COMM_TYPE_NETWORK);
    transport->setEnable(false);
    char content[kIpAddressSize + 32];
    std::snprintf(content, sizeof(content), "%s %s %s:%d", protocol, server ? "Server" : "Client", config.IpAddress,
                  static_cast<int>(config.Port));
    transport->setContent(content);
}

SCommConntProfile BuildNetworkProfile(const CServiceComm& transport, const SNetworkConntConfig& config)
{
    SCommConntProfile profile;
    profile.ConntSetting = transport.getConntSetting();
    profile.CommType = transport.getCommType();
    profile.Config.Network = config;
    profile.DebugConfig = transport.getDebugConfig();
    return profile;
}

std::string NetworkSenderTag(const QString& address, int port)
{
    char tag[96];
    std::snprintf(tag, sizeof(tag), "IP:%s Port:%d sender", address.toUtf8().constData(), port);
    return tag;
}

} // namespace COMM
