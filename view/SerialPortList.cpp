#include "SerialPortList.h"

namespace {

CSerialPortList::Source& source()
{
    static CSerialPortList::Source s_source;
    return s_source;
}

} // namespace

QList<QSerialPortInfo> CSerialPortList::availablePorts()
{
    if (source())
        return source()();
    return QSerialPortInfo::availablePorts();
}

void CSerialPortList::setSource(Source newSource)
{
    source() = std::move(newSource);
}
