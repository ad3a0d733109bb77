// The text of the configuration summary: the records and the pages' own words, CR LF ended.
#include "AisConfigurationView.h"

#include "device/Diagnostics.h"
#include "device/SensorConfig.h"
#include "services/PortalTime.h"
#include "view/TransponderText.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QDateTime>
#include <cstring>

namespace {

const char* const kEol = "\r\n";
const QString kSeparator = QString(43, QLatin1Char('=')) + QLatin1String(kEol);
const QString kFrame = QString(43, QLatin1Char('*')) + QLatin1String(kEol);

// A Wi-Fi record's character array up to its first NUL, in the local 8-bit encoding; the
// transponder's texts are shown as the pages show them (TransponderText).
template <size_t N> QString local(const char (&text)[N])
{
    return QString::fromLocal8Bit(text, static_cast<int>(strnlen(text, N)));
}

QString utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString onOff(bool on)
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}

QString yesNo(bool yes)
{
    return yes ? QStringLiteral("YES") : QStringLiteral("NO");
}

// "\t" caption ": " value, one line.
QString row(const QString& caption, const QString& value)
{
    return QLatin1Char('\t') + caption + QStringLiteral(": ") + value + QLatin1String(kEol);
}

QString line(const QString& text)
{
    return text + QLatin1String(kEol);
}

} // namespace

using namespace TransponderText;

QString CAisConfigurationView::generateCfgReport(const CDiagnostics& counters)
{
    // The clock first, once.
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(Portal::Time::Clock::wallMsecs());
    static const CSensorConfig kEmpty;
    const CSensorConfig& config = sensorConfig != nullptr ? *sensorConfig : kEmpty;
    const MACHINE_TYPE model = machineInfo.eMachineType;

    QString text;
    text += kFrame;
    text += line(QStringLiteral("AIS Configuration Summary"));
    text += now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss ")) + QLatin1String(kEol);
    text += kFrame;

    text += line(QStringLiteral("[Device Information]"));
    text += row(QStringLiteral("Serial Number"), latin1Field(config.szSerialNumber));
    text += line(QStringLiteral("\tFirmware Version ") + latin1Field(config.szFirmware));
    text += row(QStringLiteral("Transponder Type"), latin1Field(machineInfo.szMachineName));
    text += line(QString()) + line(QString());

    text += kSeparator + line(QStringLiteral("\tConfiguration")) + kSeparator;
    text += generateCfgReportConfiguration(config, model);
    text += generateCfgReportStatus(config, counters, model);
    text += generateCfgReportWiFi(config);

    text += line(QString());
    text += kFrame;
    text += line(QStringLiteral("%1 %2").arg(QLatin1String(kProductTitle), QStringLiteral("%1").arg(kProductVersion)));
    text += kFrame;
    return text;
}

QString CAisConfigurationView::generateCfgReportConfiguration(const CSensorConfig& config, int model)
{
    QString text;
    text += line(QStringLiteral("[Vessel Details]"));
    text += row(QStringLiteral("Ship's Name"), latin1Field(config.szShipName));
    text += row(QStringLiteral("Call Sign"), latin1Field(config.szCallSign));
    text += row(QStringLiteral("MMSI"), QString::number(config.iMmsi));
    const int type = getShipTypeIndex(config.iShipType);
    text += row(QStringLiteral("Vessel Type"),
                type >= 0 && type < kShipTypeCount ? shipTypeText[type] : QStringLiteral("None"));
    text += line(QString());

    text += line(QStringLiteral("[Ship Dimensions]\r\n\tA = %1, B = %2, C = %3, D = %4")
                     .arg(config.iDimA)
                     .arg(config.iDimB)
                     .arg(config.iDimC)
                     .arg(config.iDimD));
    text += line(QString());

    // Baud-rate rows by model and by how many separate rates the unit has.
    text += line(QStringLiteral("[Baud Rate]"));
    const int rates[4] = {config.iNmea1InBaud, config.iNmea1OutBaud, config.iNmea2InBaud, config.iNmea2OutBaud};
    int rows[4] = {-1, -1, -1, -1};
    if (model == MACHINE_TYPE_T_275) {
        rows[0] = 0;
        rows[1] = 2;
    } else if (model == MACHINE_TYPE_KVX_T_362 && config.iMultipleBaudRate >= 2 && config.iMultipleBaudRate <= 4) {
        const int count = 6 - config.iMultipleBaudRate; // 2 gives four rows, 3 three, 4 two
        for (int i = 0; i < count; ++i)
            rows[i] = i;
    }
    for (int index : rows) {
        if (index >= 0)
            text += row(resourceText.strBaudRateName[index], QString::number(rates[index]));
    }
    text += line(QString());

    // The SRM texts the Configuration page shows: the single text alone when its bit is set.
    if (srmGroupShown(config)) {
        text += line(QStringLiteral("[SRM]"));
        const int count = srmEffectiveCount(config);
        if (count == 4) {
            for (int i = 0; i < CFG_SRM_BOX_COUNT; ++i)
                text += row(resourceText.strSRMName[i], srmShown(config.aszSrmBox[i], false));
        } else if (count == 1) {
            text += row(resourceText.strSRMName[0], srmShown(config.szSrmSingle, true));
        }
        text += line(QString());
    }

    if (config.iEncryptionPresent == 1) {
        // The two switches as the user left them; the MMSI and the code as the record holds them.
        text += line(QStringLiteral("[Encryption]"));
        text += row(ui->chbxEncryptionModeEnable->text(), onOff(ui->chbxEncryptionModeEnable->isChecked()));
        const bool addressMode = ui->chbxEncryptionAddressMode->isChecked();
        text += row(ui->chbxEncryptionAddressMode->text(), onOff(addressMode));
        if (addressMode)
            text += row(ui->lblCfgEncryptionMMSI->text(), QString::asprintf("%09d", config.iEncryptionMmsi));
        text += row(ui->lblCfgEncryptionCode->text(), latin1Field(config.szEncryptionCode));
        text += line(QString());
    }

    text += line(QStringLiteral("[Advanced Configuration]"));
    text += row(QStringLiteral("DSC Monitoring"), onOff(config.szDscMonitor[0] == '1'));
    const QString rate = QString::number(config.iGpsUpdateRate);
    text += row(QStringLiteral("GPS Update Rate"), rate == QLatin1String("0") ? QStringLiteral("OFF") : rate + 's');
    text += row(QStringLiteral("GPS Mode"), config.iGpsDynModel == 4 ? QStringLiteral("Altitude higher than 500M")
                                                                     : QStringLiteral("At sea level"));
    text += row(QStringLiteral("ALR Sentence"), onOff(config.bAlrSentence));
    if (model == MACHINE_TYPE_T_275)
        text += row(QStringLiteral("Message 27"), onOff(config.iEpv109 == 75 && config.iEpv110 == 76));
    text += line(QString());

    // The GPS page's words and values as shown.
    text += kSeparator + line(QStringLiteral("\tGPS Status")) + kSeparator;
    const QLabel* const gps[4][2] = {
        {ui->lblSatelliteFixTitle, ui->lblSatelliteFixText},
        {ui->lblSatelliteUtcTitle, ui->lblSatelliteUtcText},
        {ui->lblSatelliteLatTitle, ui->lblSatelliteLatText},
        {ui->lblSatelliteLonTitle, ui->lblSatelliteLonText},
    };
    for (const auto& pair : gps)
        text += line(pair[0]->text() + QStringLiteral(": ") + pair[1]->text());
    text += line(QString());
    return text;
}

QString CAisConfigurationView::generateCfgReportStatus(const CSensorConfig& config, const CDiagnostics& counters,
                                                       int model)
{
    QString text;
    text += kSeparator + line(QStringLiteral("\tDiagnostics")) + kSeparator;
    if (model == MACHINE_TYPE_KVX_T_362) {
        text += line(QStringLiteral("[Status]"));
        const QLabel* const lamps[4] = {ui->lblDiagStatusPowerOk, ui->lblDiagStatusTxTimeout, ui->lblDiagStatusError,
                                        ui->lblDiagStatusSilentMode};
        for (int i = 0; i < 4; ++i)
            text += row(lamps[i]->text(), onOff(config.aiCfgStatus[i + 1] == 1));
        text += line(QString());
    }

    text += line(QStringLiteral("[System Check]"));
    const auto check = [](const QLabel* question, bool yes) {
        return QLatin1Char('\t') + question->text() + QLatin1Char(' ') + yesNo(yes) + QLatin1String(kEol);
    };
    text += check(ui->lblDiagCheckMmsi, config.bMmsiProgrammed);
    if (model == MACHINE_TYPE_KVX_T_362)
        text += check(ui->lblDiagCheckExtPwr, config.aiCfgStatus[1] == 1);
    text += check(ui->lblDiagCheckGpsFix, counters.m_bGpsFix);
    text += check(ui->lblDiagCheckAisRxPos, counters.m_uiRxA != 0 || counters.m_uiRxB != 0);
    text += check(ui->lblDiagCheckAisTxPos, counters.m_uiTxA != 0 || counters.m_uiTxB != 0);
    text += line(QString());

    text += line(QStringLiteral("[Rx/Tx Statistics]"));
    const QLabel* const statistics[4][2] = {
        {ui->lblDiagRxChA, ui->lblDiagRxChAValue},
        {ui->lblDiagRxChB, ui->lblDiagRxChBValue},
        {ui->lblDiagTxChA, ui->lblDiagTxChAValue},
        {ui->lblDiagTxChB, ui->lblDiagTxChBValue},
    };
    for (const auto& pair : statistics)
        text += row(pair[0]->text(), pair[1]->text());
    text += line(QString());
    return text;
}

QString CAisConfigurationView::generateCfgReportWiFi(const CSensorConfig& config)
{
    if (wifiConfig == nullptr || !config.bWiFiModule || wifiConfig->m_powerConfirmed == 0)
        return QString();
    // The parser fills the record on the communication thread: read a copy taken under its lock.
    const WiFiScope::SWiFiData wifi = wifiConfig->getCmdProcData().data;
    QString text;
    text += kSeparator + line(QStringLiteral("\tWi-Fi")) + kSeparator;
    text += line(QStringLiteral("Wi-Fi Module Firmware Version: ") + local(wifi.szVersion));
    text += line(QString());
    text += line(QStringLiteral("[Advanced Configuration]"));
    if (!wifi.bWlanEnable)
        return text + row(ui->lblWiFiEnableTitle->text(), onOff(false));
    text += row(ui->lblWiFiEnableTitle->text(), onOff(true));
    text += line(QString());
    text += line(QLatin1Char('[') + ui->lblWiFiModeTitle->text() + QLatin1Char(']'));

    if (wifi.iOperationMode == WiFiScope::WIFI_OPERATION_MODE_AP) {
        const WiFiScope::SAPData& ap = wifi.sAPData;
        text += line(QLatin1Char('\t') + ui->rdbWiFiAccessPoint->text());
        text += line(QString());
        text += line(QStringLiteral("[Wi-Fi Information]"));
        text += row(ui->lblWiFiCfgSSID->text(), local(ap.szSSID));
        const bool open = std::strcmp(ap.szSecurity, "NONE") == 0;
        text += row(ui->lblWiFiCfgPassword->text(), open ? QStringLiteral("NONE") : local(ap.szPassPhrase));
        text += row(ui->lblWiFiCfgChannel->text(),
                    ap.iChannel == 0 ? QStringLiteral("Auto Select") : QString::number(ap.iChannel));
        text += row(ui->lblWiFiCfgIPAddress->text(), local(ap.szIpAddress));
        text += row(ui->lblWiFiCfgSubnetMask->text(), local(ap.szSubnetMask));
        text += row(ui->lblWiFiCfgPort->text(), QString::number(ap.iTcpPort));
    } else if (wifi.iOperationMode == WiFiScope::WIFI_OPERATION_MODE_CLIENT) {
        text += line(QLatin1Char('\t') + ui->rdbWiFiClient->text());
        text += line(QString());
        text += line(QStringLiteral("[Wi-Fi Information]"));
        if (!isClientAPConnected(wifi))
            return text + line(QStringLiteral("\tConnect status: Disconnected"));
        const WiFiScope::SLinkStatusData link = wifi.sLinkStatus;
        text += line(QStringLiteral("\tConnect status: Connected"));
        text += line(QStringLiteral("\tConnected ") + ui->lblWiFiCfgSSID->text() + QStringLiteral(": ") +
                     utf8(link.linkedAP.ssid));
        text += row(QStringLiteral("Security Mode"), utf8(link.linkedAP.security));
        text += row(ui->lblWiFiCfgPassword->text(),
                    link.linkedAP.security == "NONE" ? QStringLiteral("NONE") : utf8(link.passPhrase));
        text += line(QLatin1Char('\t') + ui->lblWiFiIStatusIPAddrTitle->text() + utf8(link.currentIp));
        text += line(QStringLiteral("\tSignal Strength(RSSI): %1 dBm ").arg(link.linkedAP.rssi));
        text += row(ui->lblWiFiCfgPort->text(), QString::number(link.tcpPort));
    }
    return text;
}
