#include "SerialPortList.h"

#include <QSerialPortInfo>

namespace {

CSerialPortList::Source& source()
{
    static CSerialPortList::Source s_source;
    return s_source;
}

} // namespace

SSerialPortItem SSerialPortItem::fromInfo(const QSerialPortInfo& info)
{
    SSerialPortItem item;
    item.portName = info.portName();
    item.systemLocation = info.systemLocation();
    item.description = info.description();
    item.busy = info.isBusy();
    return item;
}

SSerialPortItem SSerialPortItem::fromPath(const QString& path, const QString& description, bool busy)
{
    SSerialPortItem item;
    item.portName = path;
    item.systemLocation = path;
    item.description = description;
    item.busy = busy;
    return item;
}

QList<SSerialPortItem> CSerialPortList::availablePorts()
{
    if (source())
        return source()();
    QList<SSerialPortItem> items;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        items.append(SSerialPortItem::fromInfo(info));
    return items;
}

void CSerialPortList::setSource(Source newSource)
{
    source() = std::move(newSource);
}
