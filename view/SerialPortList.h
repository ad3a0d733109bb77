#pragma once

#include <QList>
#include <QString>
#include <functional>

class QSerialPortInfo;

// One serial port as the window lists it.
struct SSerialPortItem
{
    QString portName;       // the name to open ("ttyUSB0", "COM3", or a whole device path)
    QString systemLocation; // the device path; identifies the port
    QString description;
    bool busy = false; // held by another program

    static SSerialPortItem fromInfo(const QSerialPortInfo& info);
    // A port the system does not list, such as a pseudo-terminal, named by its device path.
    static SSerialPortItem fromPath(const QString& path, const QString& description = QString(), bool busy = false);
};

// Where the window takes the list of serial ports from: the system's list, unless a source is
// set. A pseudo-terminal is not in the system's list, and Qt's port record cannot describe a port
// it does not list, hence a record of our own.
class CSerialPortList
{
public:
    using Source = std::function<QList<SSerialPortItem>()>;

    static QList<SSerialPortItem> availablePorts();
    // An empty source restores the system's list.
    static void setSource(Source source);
};
