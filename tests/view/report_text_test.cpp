// The configuration summary's Wi-Fi block from what the module's replies filled in, the counters
// it reports (those it is handed, copied under their owner's lock), and the transponder's texts
// as the pages show them. The whole report, model by model, is checked against its golden files
// through the window (tests/app).
#include "view/AisConfigurationView.h"

#include "device/Diagnostics.h"
#include "device/SensorConfig.h"
#include "wifi/WiFiConfig.h"

#include "QtPrint.h"

#include "ui_AisConfiguration.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTextCodec>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class ReportText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ui.setupUi(&host);
        view = std::make_unique<CAisConfigurationView>(&ui, &config, &wifi);
        config.bWiFiModule = true;
        wifi.m_powerConfirmed = 1;
    }

    void TearDown() override { view.reset(); }

    // The module's reply lines as the link cuts them.
    void feed(const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines)
            wifi.cmdProc((line + "\r\n").c_str());
    }

    void query(const char* command, const std::string& value) { feed({std::string(">") + command, "+ok=" + value}); }

    // What the module reports in access-point mode.
    void accessPoint(const std::string& security, const std::string& channel)
    {
        query("AT+VER", "WM-2.1.7");
        query("AT+WLANEN", "1");
        query("AT+OPMODE", "0");
        query("AT+APSSID", "KELVORA-AIS");
        query("AT+SECMODE", security);
        query("AT+PSK", "0,harbour2024");
        query("AT+APCHAN", channel);
        query("AT+SYSIPSET", "192.168.10.1,255.255.255.0");
        query("AT+TCPPORT", "4001");
    }

    // The report from the Wi-Fi separator to the footer.
    QString wifiBlock()
    {
        const QString report = view->generateCfgReport(CDiagnostics());
        const QString head = QStringLiteral("\tWi-Fi\r\n") + QString(43, '=') + QStringLiteral("\r\n");
        const int start = report.indexOf(head);
        if (start < 0)
            return QString();
        const int end = report.indexOf(QStringLiteral("\r\n") + QString(43, '*'), start);
        return report.mid(start + head.size(), end - start - head.size());
    }

    QMainWindow host;
    Ui::AisConfiguration ui;
    CSensorConfig config;
    CWiFiConfig wifi;
    std::unique_ptr<CAisConfigurationView> view;
};

// The report's block that starts with the given heading line, up to the empty line after it.
QString block(const QString& report, const QString& heading)
{
    const int start = report.indexOf(heading + QStringLiteral("\r\n"));
    if (start < 0)
        return QString();
    const int end = report.indexOf(QStringLiteral("\r\n\r\n"), start);
    return report.mid(start, end + 4 - start);
}

// The local 8-bit encoding is UTF-8 while the test runs, as on most desktops.
class CUtf8Locale
{
public:
    CUtf8Locale() : m_previous(QTextCodec::codecForLocale())
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    }
    ~CUtf8Locale() { QTextCodec::setCodecForLocale(m_previous); }

private:
    QTextCodec* m_previous;
};

const char* const kHead = "Wi-Fi Module Firmware Version: WM-2.1.7\r\n\r\n[Advanced Configuration]\r\n";

} // namespace

TEST_F(ReportText, AccessPointModeAsTheModuleReportsIt)
{
    accessPoint("WPA2-PSK", "6");
    EXPECT_EQ(wifiBlock(), QString(kHead) + "\tWi-Fi Service: ON\r\n\r\n[Wi-Fi Mode]\r\n\tAccess Point\r\n\r\n"
                                            "[Wi-Fi Information]\r\n\tSSID: KELVORA-AIS\r\n\tPassword: harbour2024\r\n"
                                            "\tChannel: 6\r\n\tIP Address: 192.168.10.1\r\n"
                                            "\tSubnet Mask: 255.255.255.0\r\n\tPort: 4001\r\n");

    // An open network reports no password whatever the module still holds; channel 0 is chosen
    // by the module.
    accessPoint("NONE", "0");
    const QString block = wifiBlock();
    EXPECT_TRUE(block.contains("\tPassword: NONE\r\n\tChannel: Auto Select\r\n")) << block.toStdString();
    EXPECT_FALSE(block.contains("harbour2024"));
}

TEST_F(ReportText, ServiceOffClientModeAndNoConfirmedPower)
{
    query("AT+VER", "WM-2.1.7");
    query("AT+WLANEN", "0");
    EXPECT_EQ(wifiBlock(), QString(kHead) + "\tWi-Fi Service: OFF\r\n");

    query("AT+WLANEN", "1");
    query("AT+OPMODE", "1");
    EXPECT_EQ(wifiBlock(), QString(kHead) + "\tWi-Fi Service: ON\r\n\r\n[Wi-Fi Mode]\r\n\tClient\r\n\r\n"
                                            "[Wi-Fi Information]\r\n\tConnect status: Disconnected\r\n");

    // Linked to a scanned access point.
    query("AT+PSK", "0,pier seven");
    query("AT+SYSIP", "10.0.0.23,255.255.255.0,10.0.0.1");
    query("AT+TCPPORT", "4001");
    feed({">AT+SCAN", "+ok=", "Pier 7 Cafe,c8:3a:35:44:10:0a,1,-65,WPA2", ">WiFiScanEnd"});
    feed({">AT+STALINK", "+ok=c8:3a:35:44:10:0a,Pier 7 Cafe"});
    EXPECT_EQ(wifiBlock(), QString(kHead) + "\tWi-Fi Service: ON\r\n\r\n[Wi-Fi Mode]\r\n\tClient\r\n\r\n"
                                            "[Wi-Fi Information]\r\n\tConnect status: Connected\r\n"
                                            "\tConnected SSID: Pier 7 Cafe\r\n\tSecurity Mode: WPA2\r\n"
                                            "\tPassword: pier seven\r\n\tIP Address:10.0.0.23\r\n"
                                            "\tSignal Strength(RSSI): -65 dBm \r\n\tPort: 4001\r\n");

    // Without the power confirmed, or without a module, there is no Wi-Fi block at all.
    wifi.m_powerConfirmed = 0;
    EXPECT_TRUE(wifiBlock().isEmpty());
    wifi.m_powerConfirmed = 1;
    config.bWiFiModule = false;
    EXPECT_TRUE(wifiBlock().isEmpty());
}

TEST_F(ReportText, CountersAreTheCopyItIsHandedNotTheRecordTheLinkWrites)
{
    // The communication thread writes the counters; the view holds no way to them, and the
    // report reads only the copy its caller took under the owner's lock.
    CDiagnostics copy;
    copy.m_uiRxB = 7;
    copy.m_bGpsFix = true;
    const QString report = view->generateCfgReport(copy);
    EXPECT_TRUE(report.contains("\tIs GPS position fixed? YES\r\n")) << report.toStdString();
    EXPECT_TRUE(report.contains("\tHas AIS received a position report? YES\r\n"));
    EXPECT_TRUE(report.contains("\tHas AIS transmitted a position report? NO\r\n"));
}

// With the single-text bit set the page and the transponder use the single text, whatever box
// count is reported: so does the report, once, under the row name the page gives it.
TEST_F(ReportText, SrmBlockShowsWhatTheConfigurationPageShows)
{
    SMachineTypeData machine{};
    machine.eMachineType = MACHINE_TYPE_KVX_T_362;
    view->setMachineInfo(machine);
    std::strcpy(config.szSrmSingle, "SINGLE^2C TEXT");
    const char* const boxes[4] = {"BOX ZERO", "ONE^2C TWO", "BOX TWO", "BOX THREE"};
    for (int i = 0; i < 4; ++i)
        std::strcpy(config.aszSrmBox[i], boxes[i]);
    config.iSrmBoxCount = 4;

    struct SCase
    {
        int flags;
        int enable;
        const char* block;
    };
    const SCase cases[] = {
        {2, 0, "[SRM]\r\n\tSRM Text: SINGLE, TEXT\r\n\r\n"},
        {2, 1, "[SRM]\r\n\tSRM Text: SINGLE, TEXT\r\n\r\n"},
        {0, 1,
         "[SRM]\r\n\tSRM Text 1: BOX ZERO\r\n\tSRM Text 2: ONE, TWO\r\n\tSRM Text 3: BOX TWO\r\n"
         "\tSRM Text 4: BOX THREE\r\n\r\n"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.flags);
        config.iSrmFlags = c.flags;
        config.iSrmEnable = c.enable;
        view->updateCfgViewText();
        view->updateConfigurationInfo();
        const QString srm = block(view->generateCfgReport(CDiagnostics()), QStringLiteral("[SRM]"));
        EXPECT_EQ(srm.toStdString(), c.block);
        EXPECT_TRUE(srm.contains(ui.lblCfgSRMText0->text() + QStringLiteral(": ") + ui.edtCfgSRMText0->text()));
    }
}

// One codec for the transponder's texts: a byte above 127 is the same character on Home,
// Diagnostics and in the report as on the Configuration page, whatever the local encoding.
TEST_F(ReportText, TransponderTextsReadTheSameOnEveryPageAndInTheReport)
{
    const CUtf8Locale utf8;
    SMachineTypeData machine{};
    machine.eMachineType = MACHINE_TYPE_KVX_T_362;
    std::strcpy(machine.szMachineName, "KVX\xB0T");
    view->setMachineInfo(machine);
    std::strcpy(config.szShipName, "SEA\xB0");
    std::strcpy(config.szCallSign, "K\xB0");
    std::strcpy(config.szSerialNumber, "SN\xB0-1");
    std::strcpy(config.szFirmware, "FW\xB0-2");
    config.iEncryptionPresent = 1;
    std::strcpy(config.szEncryptionCode, "KEY\xB0");
    config.iSrmEnable = 1;
    config.iSrmBoxCount = 4;
    std::strcpy(config.aszSrmBox[0], "BOX\xB0");
    view->updateCfgViewText();
    view->updateConfigurationInfo();
    view->updateHomePageDisp();
    view->updateDiagStatusDisp();
    const QString report = view->generateCfgReport(CDiagnostics());

    const QString degree(QChar(0xB0));
    EXPECT_EQ(ui.edtCfgShipName->text(), "SEA" + degree);
    EXPECT_EQ(ui.edtCfgSRMText0->text(), "BOX" + degree);
    EXPECT_EQ(ui.lblHomeShipName->text(), ui.edtCfgShipName->text());
    EXPECT_EQ(ui.lblHomeCallSign->text(), ui.edtCfgCallSign->text());
    EXPECT_EQ(ui.lblHomeProductSNValue->text(), "SN" + degree + "-1");
    EXPECT_EQ(ui.lblHomeProductFVValue->text(), "FW" + degree + "-2");
    EXPECT_EQ(ui.lblDiagProductSNValue->text(), ui.lblHomeProductSNValue->text());
    EXPECT_EQ(ui.lblDiagProductFVValue->text(), ui.lblHomeProductFVValue->text());
    for (const QString& line :
         {"\tShip's Name: " + ui.edtCfgShipName->text(), "\tCall Sign: " + ui.edtCfgCallSign->text(),
          "\tSerial Number: " + ui.lblDiagProductSNValue->text(),
          "\tFirmware Version " + ui.lblDiagProductFVValue->text(), "\tTransponder Type: KVX" + degree + "T",
          "\tEncryption Code: " + ui.edtCfgEncryptionCode->text(), "\tSRM Text 1: " + ui.edtCfgSRMText0->text()})
        EXPECT_TRUE(report.contains(line + "\r\n")) << line.toStdString() << "\n" << report.toStdString();
}
