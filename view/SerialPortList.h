#pragma once

#include <QList>
#include <QString>
#include <functional>

class QSerialPortInfo;

// One serial port as the connection bar lists it.
typedef struct SSerialPortItem
{
    QString portName;       // the name a serial profile opens it by
    QString systemLocation; // the device path, which identifies the item
    QString description;
    bool busy = false; // held by another program
} SERIAL_PORT_ITEM;

// Where the window takes the list of serial ports from: the system's list, unless a source is set.
// Tests offer a pseudo-terminal (fromPath), which the system does not list; QSerialPortInfo of an
// unlisted path is empty, hence this record of its own.
class CSerialPortList
{
public:
    using Source = std::function<QList<SSerialPortItem>()>;

    static QList<SSerialPortItem> availablePorts();
    // An empty source restores the system's list.
    static void setSource(Source source);

    static SSerialPortItem fromInfo(const QSerialPortInfo& info);
    // A port known only by its device path, opened by that path.
    static SSerialPortItem fromPath(const QString& path);
};
