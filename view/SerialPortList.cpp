#include "SerialPortList.h"

#include <QSerialPortInfo>

namespace {

CSerialPortList::Source& source()
{
    static CSerialPortList::Source s_source;
    return s_source;
}

} // namespace

QList<SSerialPortItem> CSerialPortList::availablePorts()
{
    if (source())
        return source()();
    QList<SSerialPortItem> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports << fromInfo(info);
    return ports;
}

void CSerialPortList::setSource(Source newSource)
{
    source() = std::move(newSource);
}

SSerialPortItem CSerialPortList::fromInfo(const QSerialPortInfo& info)
{
    SSerialPortItem item;
    item.portName = info.portName();
    item.systemLocation = info.systemLocation();
    item.description = info.description();
    item.busy = info.isBusy();
    return item;
}

SSerialPortItem CSerialPortList::fromPath(const QString& path)
{
    SSerialPortItem item;
    item.portName = path;
    item.systemLocation = path;
    return item;
}
