#pragma once

#include <QList>
#include <QSerialPortInfo>
#include <functional>

// Where the window takes the list of serial ports from: the system's list, unless a source is
// set (tests offer a pseudo-terminal, QSerialPortInfo(path), which the system does not list).
class CSerialPortList
{
public:
    using Source = std::function<QList<QSerialPortInfo>()>;

    static QList<QSerialPortInfo> availablePorts();
    // An empty source restores the system's list.
    static void setSource(Source source);
};
