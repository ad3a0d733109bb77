#include "SerialPort.h"

#include "comm/CommProfile.h"
#include "services/SysDebug.h"

#include <QMetaObject>
#include <cstdio>

namespace COMM {

namespace {

struct SerialErrorEntry
{
    const char* text;
    bool lost; // the device is gone: the link closes and is given up
};

// By QSerialPort::SerialPortError code, 0 to 13. A read error is what a port whose
// other end hung up reports over and over, so it counts as lost too.
const SerialErrorEntry kSerialErrors[] = {
    {"", false},
    {"(Error)QSerialPort::DeviceNotFoundError.Device not found.", true},
    {"(Error)QSerialPort::PermissionError.Permission error.", false},
    {"(Error)QSerialPort::OpenError.Open error.", false},
    {"(Error)QSerialPort::ParityError.Parity error.", false},
    {"(Error)QSerialPort::FramingError.Framing error.", false},
    {"(Error)QSerialPort::BreakConditionError.Break condition error.", false},
    {"(Error)QSerialPort::WriteError.Write error.", false},
    {"(Error)QSerialPort::ReadError.Read error.", true},
    {"(Error)QSerialPort::ResourceError.Resource error.", true},
    {"(Error)QSerialPort::UnsupportedOperationError.Unsupported operation error.", false},
    {"(Error)QSerialPort::UnknownError.Unknown error.", false},
    {"(Error)QSerialPort::TimeoutError.Time out error.", false},
    {"(Error)QSerialPort::NotOpenError.Not open error.", false},
};

constexpr int kSerialErrorCount = static_cast<int>(sizeof(kSerialErrors) / sizeof(kSerialErrors[0]));

std::string senderTag(const SSerialConntConfig& config)
{
    char tag[kPortNameSize + 48];
    std::snprintf(tag, sizeof(tag), "Port:%s Baudrate:%d sender", config.PortName, static_cast<int>(config.BaudIndex));
    return tag;
}

} // namespace

CSerialPort::CSerialPort(COMM_CONNT_SETTING setting, SSerialConntConfig config, RAWDATA_TYPE type)
    : CServiceComm(setting, type), m_port(new QSerialPort(this)), m_serialConfig(config)
{
    m_serialConfig.PortName[kPortNameSize - 1] = '\0';
    setCommType(COMM_TYPE_SERIAL);
    setEnable(false);
    char content[kPortNameSize + 32];
    std::snprintf(content, sizeof(content), "Serial Port %s:%d", m_serialConfig.PortName,
                  GetBaudRate(m_serialConfig.BaudIndex));
    setContent(content);
}

CSerialPort::~CSerialPort()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", objectName().toUtf8().constData());
    if (m_port->isOpen())
        m_port->readAll();
    disconnect();
    m_port->disconnect();
    m_port->close();
    delete m_port;
    m_port = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", objectName().toUtf8().constData());
}

bool CSerialPort::connectPort()
{
    m_port->setPortName(QString::fromLatin1(m_serialConfig.PortName));
    if (!m_port->open(QIODevice::ReadWrite))
        return false;
    // From here on a failure closes the port again, so that a later attempt starts clean.
    if (!m_port->setBaudRate(GetBaudRate(m_serialConfig.BaudIndex), QSerialPort::AllDirections))
        return failOpened("baud rate");
    if (!m_port->setDataBits(QSerialPort::Data8) || !m_port->setParity(QSerialPort::NoParity) ||
        !m_port->setStopBits(QSerialPort::OneStop) || !m_port->setFlowControl(QSerialPort::NoFlowControl))
        return failOpened("line settings");
    // Pseudo-terminals and adapters without modem lines refuse these; the link works without.
    const bool dtr = m_port->setDataTerminalReady(true);
    const bool rts = m_port->setRequestToSend(true);
    if (!dtr || !rts) {
        SYS_DEBUG(DEBUG_MSG_WARNING, "Port:%s DTR %s, RTS %s: %s", m_serialConfig.PortName, dtr ? "on" : "failed",
                  rts ? "on" : "failed", m_port->errorString().toUtf8().constData());
        m_port->clearError();
    }
    if (!m_port->isOpen()) {
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "%s connected status is not sync.", m_serialConfig.PortName);
        return false;
    }
    updateConnected();
    return true;
}

bool CSerialPort::failOpened(const char* step)
{
    SYS_DEBUG(DEBUG_MSG_WARNING, "Port:%s %s failed: %s", m_serialConfig.PortName, step,
              m_port->errorString().toUtf8().constData());
    m_port->close();
    return false;
}

void CSerialPort::connectedProc()
{
    updateConnected();
}

void CSerialPort::disconnectedProc()
{
    updateDisconnected();
    if (m_port->isOpen())
        m_port->close();
}

bool CSerialPort::writeDataSender(const char* data, int len)
{
    if (data == nullptr || len < 0 || !isConnected())
        return false;
    return m_port->write(data, len) >= 0;
}

void CSerialPort::connectSetup()
{
    // Unique: a reopened link must not read or report everything twice.
    connect(m_port, SIGNAL(readyRead()), this, SLOT(onDataReceiver()), Qt::UniqueConnection);
    connect(m_port, SIGNAL(errorOccurred(QSerialPort::SerialPortError)), this,
            SLOT(onError(QSerialPort::SerialPortError)), Qt::UniqueConnection);
}

bool CSerialPort::isConnected()
{
    return m_port->isOpen();
}

SCommConntProfile CSerialPort::getProfile()
{
    SCommConntProfile profile;
    profile.ConntSetting = getConntSetting();
    profile.CommType = getCommType();
    profile.Config.Serial = m_serialConfig;
    profile.DebugConfig = getDebugConfig();
    return profile;
}

bool CSerialPort::commTxPackageSender(STxPackage pkg)
{
    if (!IsTxLengthValid(pkg))
        return false;
    if (getDebugConfig().DebugMsgOut & DEBUG_OUT_SEND)
        printMsg(pkg.data, pkg.length, senderTag(m_serialConfig));
    if (!m_port->isOpen())
        return false;
    if (m_port->write(pkg.data, pkg.length) < 0) {
        SYS_DEBUG(DEBUG_MSG_WARNING, "Port:%s write failed: %s", m_serialConfig.PortName,
                  m_port->errorString().toUtf8().constData());
        return false;
    }
    return true;
}

void CSerialPort::onDataReceiver()
{
    rxPackageProc(m_port->readAll(), false);
}

void CSerialPort::onError(QSerialPort::SerialPortError eError)
{
    // A lost port has been reported once; what it says while closing is noise.
    if (eError == QSerialPort::NoError || m_portLost)
        return;
    const int code = static_cast<int>(eError);
    const bool known = code >= 0 && code < kSerialErrorCount;
    const char* text = known ? kSerialErrors[code].text : "";
    SYS_DEBUG(DEBUG_MSG_INFO, "%s %s", senderTag(m_serialConfig).c_str(), text);
    if (!known || !kSerialErrors[code].lost)
        return;
    m_portLost = true;
    m_port->disconnect(this);
    // The port is inside its own read handling here: close it once that has returned.
    QMetaObject::invokeMethod(
        this, [this]() { closeLostPort(); }, Qt::QueuedConnection);
}

void CSerialPort::closeLostPort()
{
    if (m_port->isOpen())
        m_port->close();
    updateDisconnected();
}

} // namespace COMM
