#pragma once

#include <QString>

class QSerialPortInfo;
class QSettings;

// The group "Env_Setting" of "profile.ini".
typedef struct SEnvSetting
{
    bool DebugMode = false;
    int DefaultBaudRate = 0; // index into 115200, 57600, 38400, 19200, 9600, 4800, 2400, 1200
} ENV_SETTING;

class CEnvironmentSetup
{
public:
    static constexpr const char* kGroupName = "Env_Setting";
    static constexpr int kBaudIndexCount = 8;

    CEnvironmentSetup() = default;

    void readProfileIni(const QSettings* settings);
    // Writes each key the settings do not hold yet; keys present are left alone.
    void writeProfileIni(QSettings* settings) const;
    void setNewProfileSetting(const SEnvSetting& setting) { m_setting = setting; }
    void readConfigIni(const QSettings*) {}
    void writeConfigIni(QSettings*) {}

    const SEnvSetting& setting() const { return m_setting; }

private:
    SEnvSetting m_setting;
};

// What the port order needs of a port: its name and its description.
struct SPortName
{
    QString name;
    QString description;
};

// Serial ports by the number after a leading "COM". Names without one (the device names of
// Unix-like systems) follow the numbered ones, by their name with trailing digits compared as
// numbers ("/dev/ttyUSB2" before "/dev/ttyUSB10").
bool comNameLessThan(const SPortName& a, const SPortName& b);
// The same, except that a port described as "AIS Virtual Com" or "USB Serial Port" comes first.
bool comNameLessThanInit(const SPortName& a, const SPortName& b);
bool comNameLessThan(const QSerialPortInfo& a, const QSerialPortInfo& b);
bool comNameLessThanInit(const QSerialPortInfo& a, const QSerialPortInfo& b);
