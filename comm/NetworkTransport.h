#pragma once

#include "comm/ServiceComm.h"

#include <QString>
#include <string>

// What the TCP and UDP transports share: how they present themselves and the profile
// that re-creates them.
namespace COMM {

// Names the transport after its device, marks it a network link that stays disabled
// until put into service, and sets its content text "<protocol> Server|Client <ip>:<port>".
void SetupNetworkTransport(CServiceComm* transport, SNetworkConntConfig& config, const char* protocol, bool server);

SCommConntProfile BuildNetworkProfile(const CServiceComm& transport, const SNetworkConntConfig& config);

// The tag of a traced package: "IP:<address> Port:<port> sender".
std::string NetworkSenderTag(const QString& address, int port);

} // namespace COMM
