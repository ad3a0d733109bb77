// The start-up link list "comm.ini": reading it at start-up and writing the links back.
#include "CommSpace.h"

#include "CommData.h"
#include "CommProfile.h"
#include "NetworkSocket.h"
#include "SerialPort.h"
#include "ServiceComm.h"
#include "services/SysDebug.h"

#include <QSettings>
#include <string>

using COMM::SCommConntProfile;

namespace {

const char* const kTotalKey = "/ConnectHead/Total";

QString groupPrefix(int index)
{
    return QString::asprintf("/Connect%d/", index);
}

bool isValidProfile(const SCommConntProfile& profile)
{
    if (profile.ConntSetting.SensorType > COMM::SENSOR_DEVICE_MAX)
        return false;
    const auto pos = static_cast<int32_t>(profile.ConntSetting.DevPrimaryPos);
    if (pos < COMM::PRIMARY_POS_UNSET || pos > COMM::PRIMARY_POS_DEFAULT)
        return false;
    switch (profile.CommType) {
    case COMM::COMM_TYPE_LOG:
        return true;
    case COMM::COMM_TYPE_SERIAL:
        return profile.Config.Serial.BaudIndex < static_cast<uint32_t>(COMM::kBaudTableSize);
    case COMM::COMM_TYPE_NETWORK:
        return profile.Config.Network.SocketType <= COMM::SOCKET_UDP_CLIENT && profile.Config.Network.Port <= 65535u;
    default:
        return false;
    }
}

} // namespace

QString CCommSpace::commIniPath() const
{
    return m_envPath + kCommIniName;
}

SCommConntProfile CCommSpace::readCommIni(QSettings* settings, QString prefix)
{
    SCommConntProfile profile;
    const int sensor = settings->value(prefix + "SensorType", 0).toInt();
    const std::wstring name = settings->value(prefix + "DevName", QString()).toString().toStdWString();
    const int pos = settings->value(prefix + "DevPrimaryPos", COMM::PRIMARY_POS_DEFAULT).toInt();
    const bool active = settings->value(prefix + "Active", false).toBool();
    profile.ConntSetting = COMM::BuildConntLink(static_cast<COMM::SENSOR_DEVICE_T>(sensor), name.c_str(),
                                                static_cast<COMM::PRIMARY_POS_DEV>(pos), active);
    profile.CommType = settings->value(prefix + "CommType", COMM::COMM_TYPE_NONE).toInt();
    if (profile.CommType == COMM::COMM_TYPE_NETWORK) {
        const QByteArray ip = settings->value(prefix + "Parm1", QString()).toString().toUtf8();
        const int port = settings->value(prefix + "Parm2", 0).toInt();
        const int socket = settings->value(prefix + "Parm3", 0).toInt();
        profile.Config.Network = COMM::BuildNetworkConfig(socket, ip.toStdString(), port);
    } else if (profile.CommType == COMM::COMM_TYPE_SERIAL) {
        const QByteArray port = settings->value(prefix + "Parm1", QString()).toString().toLatin1();
        const int baud = settings->value(prefix + "Parm2", 0).toInt();
        profile.Config.Serial = COMM::BuildSerialConfig(port.constData(), baud);
    }
    profile.DebugConfig.DebugIsString = settings->value(prefix + "DebugIsString", false).toBool();
    profile.DebugConfig.DebugMsgOut = settings->value(prefix + "DebugMsgOut", 0).toUInt();
    return profile;
}

void CCommSpace::readCommConnect()
{
    QSettings settings(commIniPath(), QSettings::IniFormat);
    const int total = settings.value(kTotalKey, 0).toInt();
    for (int i = 1; i <= total; ++i) {
        const QString prefix = groupPrefix(i);
        const SCommConntProfile profile = readCommIni(&settings, prefix);
        if (!isValidProfile(profile)) {
            SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Read the %s is failed.", prefix.toUtf8().constData());
            continue;
        }
        if (profile.ConntSetting.SensorType == COMM::SENSOR_DEVICE_KIND_4)
            continue;
        // A link not connected yet stays listed; the reconnection pass retries it.
        connectComm(profile);
    }
}

void CCommSpace::writeCommIni(QSettings* settings, QString prefix, SCommConntProfile profile)
{
    settings->setValue(prefix + "CommType", profile.CommType);
    settings->setValue(prefix + "SensorType", profile.ConntSetting.SensorType);
    settings->setValue(prefix + "DevName", QString::fromWCharArray(profile.ConntSetting.DevName));
    settings->setValue(prefix + "DevPrimaryPos", static_cast<int32_t>(profile.ConntSetting.DevPrimaryPos));
    settings->setValue(prefix + "Active", profile.ConntSetting.Active);
    if (profile.CommType == COMM::COMM_TYPE_SERIAL) {
        settings->setValue(prefix + "Parm1", QString::fromLatin1(profile.Config.Serial.PortName));
        settings->setValue(prefix + "Parm2", profile.Config.Serial.BaudIndex);
        settings->setValue(prefix + "Parm3", QString());
    } else if (profile.CommType == COMM::COMM_TYPE_NETWORK) {
        settings->setValue(prefix + "Parm1", QString::fromUtf8(profile.Config.Network.IpAddress));
        settings->setValue(prefix + "Parm2", profile.Config.Network.Port);
        settings->setValue(prefix + "Parm3", profile.Config.Network.SocketType);
    }
}

void CCommSpace::writeCommConnect()
{
    QSettings settings(commIniPath(), QSettings::IniFormat);
    int written = 0;
    for (COMM::CCommData* link : m_commList) {
        if (link->matchExceptConnt(true, true, true))
            continue;
        SCommConntProfile profile;
        profile.CommType = link->getCommType();
        if (profile.CommType == COMM::COMM_TYPE_SERIAL)
            profile.Config.Serial = link->getSerialPort()->getSerialConfig();
        else if (profile.CommType == COMM::COMM_TYPE_NETWORK)
            profile.Config.Network = link->getNetworkSocket()->getNetworkConfig();
        else
            continue;
        profile.ConntSetting = link->getServiceComm()->getConntSetting();
        writeCommIni(&settings, groupPrefix(++written), profile);
    }
    settings.setValue(kTotalKey, written);
    settings.sync();
}
