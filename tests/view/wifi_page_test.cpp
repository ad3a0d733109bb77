// The Wi-Fi page on the real form, filled from the module's answers as the reply parser reads
// them, read back for sending, and the waiting page that takes its place while a job runs.
#include "ViewOnForm.h"

#include "widgets/WgSelectorSwitch.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace WiFiScope;

namespace {

// The module's answers to the settings query, as they come through pass-through.
struct SModule
{
    std::string wlan = "1";
    std::string opMode = "0";
    std::string ssid = "KELVORA-AIS";
    std::string security = "WPA2-PSK";
    std::string psk = "0,harbour2024";
    std::string ipMask = "192.168.10.1,255.255.255.0";
    std::string port = "4001";
    std::string channel = "6";
    std::string version = "WM-2.1.7";
};

void answer(CWiFiConfig& wifi, const std::string& command, const std::string& value)
{
    wifi.cmdProc((">" + command + "\r\n").c_str());
    wifi.cmdProc(("+ok=" + value + "\r\n").c_str());
}

void query(CWiFiConfig& wifi, const SModule& m)
{
    const std::vector<std::pair<std::string, std::string>> replies = {
        {"AT+WLANEN", m.wlan},  {"AT+OPMODE", m.opMode},
        {"AT+APSSID", m.ssid},  {"AT+SECMODE", m.security},
        {"AT+PSK", m.psk},      {"AT+SYSIPSET", m.ipMask},
        {"AT+TCPPORT", m.port}, {"AT+APCHAN", m.channel},
        {"AT+VER", m.version},  {"AT+SYSIP", "192.168.20.37,192.168.20.1"},
        {"AT+DHCPDEN", "1"},    {"AT+DHCPCEN", "0"}};
    for (const auto& reply : replies)
        answer(wifi, reply.first, reply.second);
}

std::string text(const char* field)
{
    return field;
}

} // namespace

TEST(WiFiPage, AccessPointModeShowsTheModuleAndReadsBackWhatItShows)
{
    SViewOnForm v;
    Ui::AisConfiguration& ui = v.form;
    query(v.wifi, SModule());
    v.view->updateWiFiDisp();

    ASSERT_NE(v.view->wifiEnableSwitch, nullptr);
    EXPECT_TRUE(v.view->wifiEnableSwitch->isActive());
    EXPECT_TRUE(ui.wgWiFiModeConfiguration->isEnabled());
    EXPECT_TRUE(ui.wgWifiConfiguration->isEnabled());
    EXPECT_TRUE(ui.rdbWiFiAccessPoint->isChecked());
    EXPECT_TRUE(ui.wgWiFiCfgClientList->isHidden());
    EXPECT_FALSE(ui.wgCfgWifiSetting->isHidden());
    EXPECT_FALSE(ui.wgWiFiStatusSSID->isHidden());
    // The service is on: its switch stays in the folded advanced group.
    EXPECT_TRUE(ui.wgWiFiAdvConfigModeEnable->isHidden());

    EXPECT_EQ(ui.lblWiFiStatusSSIDValue->text(), "KELVORA-AIS");
    EXPECT_EQ(ui.lblWiFiStatusIPAddrValue->text(), "192.168.10.1 : 4001");
    EXPECT_EQ(ui.lblWiFiStatusVersionValue->text(), "WM-2.1.7");
    EXPECT_EQ(ui.edtWifiCfgSSID->text(), "KELVORA-AIS");
    EXPECT_EQ(ui.edtWifiCfgIPAddress->text(), "192.168.10.1");
    EXPECT_EQ(ui.edtWifiCfgSubnetMask->text(), "255.255.255.0");
    EXPECT_EQ(ui.edtWiFiCfgPort->text(), "4001");
    EXPECT_EQ(ui.cbbxWifiCfgChannel->currentText(), "6");
    EXPECT_FALSE(ui.chbxWiFiCfgPasswordNone->isChecked());
    EXPECT_TRUE(ui.edtWiFiCfgPassword->isEnabled());
    EXPECT_EQ(ui.edtWiFiCfgPassword->text(), "harbour2024");

    SAPData back;
    std::memset(&back, 0x7f, sizeof(back)); // whatever the caller's record held
    v.view->getWiFiAPData(&back);
    EXPECT_EQ(text(back.szSSID), "KELVORA-AIS");
    EXPECT_EQ(text(back.szIpAddress), "192.168.10.1");
    EXPECT_EQ(text(back.szSubnetMask), "255.255.255.0");
    EXPECT_EQ(back.iTcpPort, 4001);
    EXPECT_EQ(back.iChannel, 6);
    EXPECT_EQ(text(back.szSecurity), "WPA2-PSK");
    EXPECT_EQ(text(back.szPassPhrase), "harbour2024");

    // A full-length SSID reaches the record whole, with its terminator.
    ui.edtWifiCfgSSID->setText(QString(32, 'S'));
    v.view->getWiFiAPData(&back);
    EXPECT_EQ(text(back.szSSID), std::string(32, 'S'));
}

TEST(WiFiPage, SecurityChannelAndModeEdges)
{
    SViewOnForm v;
    Ui::AisConfiguration& ui = v.form;
    ui.cbbxWifiCfgChannel->setCurrentIndex(3);

    // The word "none" in another case is a secured network; channel 13 is no item: kept.
    SModule lower;
    lower.security = "none";
    lower.channel = "13";
    query(v.wifi, lower);
    v.view->updateWiFiDisp();
    EXPECT_FALSE(ui.chbxWiFiCfgPasswordNone->isChecked());
    EXPECT_EQ(ui.edtWiFiCfgPassword->text(), "harbour2024");
    EXPECT_EQ(ui.cbbxWifiCfgChannel->currentIndex(), 3);

    // An empty pass phrase is an open network whatever the mode says; channel 0 is automatic.
    SModule open;
    open.psk = "0,";
    open.channel = "0";
    query(v.wifi, open);
    v.view->updateWiFiDisp();
    EXPECT_TRUE(ui.chbxWiFiCfgPasswordNone->isChecked());
    EXPECT_FALSE(ui.edtWiFiCfgPassword->isEnabled());
    EXPECT_EQ(ui.edtWiFiCfgPassword->text(), "");
    EXPECT_EQ(ui.cbbxWifiCfgChannel->currentIndex(), 0);
    EXPECT_EQ(ui.cbbxWifiCfgChannel->currentText(), v.view->wifiText.strAutoSelect);

    // Read back: automatic channel, empty port, no password.
    ui.edtWiFiCfgPort->clear();
    SAPData back = {};
    v.view->getWiFiAPData(&back);
    EXPECT_EQ(back.iChannel, 0);
    EXPECT_EQ(back.iTcpPort, 0);
    EXPECT_EQ(text(back.szSecurity), "NONE");
    EXPECT_EQ(text(back.szPassPhrase), "");

    // Client mode without a linked access point: no address; the edits keep what they show.
    ui.edtWifiCfgSSID->setText("typed by the user");
    SModule client;
    client.opMode = "1";
    client.ssid = "Elsewhere";
    query(v.wifi, client);
    v.view->updateWiFiDisp();
    EXPECT_EQ(ui.lblWiFiStatusIPAddrValue->text(), "N/A");
    EXPECT_EQ(ui.edtWifiCfgSSID->text(), "typed by the user");
    EXPECT_TRUE(ui.rdbWiFiClient->isChecked());
    EXPECT_FALSE(ui.wgWiFiCfgClientList->isHidden());
    EXPECT_TRUE(ui.wgCfgWifiSetting->isHidden());
    EXPECT_TRUE(ui.wgWiFiStatusSSID->isHidden());

    // A mode not yet read shows as client mode; a service that is off disables the page and
    // unfolds the group with its switch.
    SModule off;
    off.wlan = "0";
    query(v.wifi, off);
    v.view->updateWiFiSettingDisp(false, -1);
    v.view->updateWiFiAdvConfigDisp(true);
    EXPECT_TRUE(ui.rdbWiFiClient->isChecked());
    EXPECT_FALSE(ui.rdbWiFiAccessPoint->isChecked());
    EXPECT_FALSE(ui.wgWiFiCfgClientList->isHidden());
    EXPECT_FALSE(v.view->wifiEnableSwitch->isActive());
    EXPECT_FALSE(ui.wgWiFiModeConfiguration->isEnabled());
    EXPECT_FALSE(ui.wgWifiConfiguration->isEnabled());
    v.view->updateWiFiDisp();
    EXPECT_FALSE(ui.wgWiFiAdvConfigModeEnable->isHidden());
}

TEST(WiFiPage, ClientModeShowsTheAddressOfTheLinkedAccessPoint)
{
    SViewOnForm v;
    SModule client;
    client.opMode = "1";
    query(v.wifi, client);
    v.wifi.cmdProc(">AT+SCAN\r\n");
    v.wifi.cmdProc("+ok=\r\n");
    v.wifi.cmdProc("Pier 7 Cafe,c8:3a:35:44:10:0b,6,-48,NONE\r\n");
    v.wifi.cmdProc(">WiFiScanEnd\r\n");
    answer(v.wifi, "AT+STALINK", "c8:3a:35:44:10:0b,Pier 7 Cafe");
    v.view->updateWiFiDisp();
    EXPECT_EQ(v.form.lblWiFiStatusIPAddrValue->text(), "192.168.20.37 : 4001");
}

TEST(WiFiPage, WaitingPageLocksTheWindowAndGivesBackThePageItTookOver)
{
    SViewOnForm v;
    Ui::AisConfiguration& ui = v.form;
    const std::vector<QWidget*> menu = {ui.btnMMConfiguration, ui.btnMMDiagnostics, ui.btnMMGPSStatus, ui.btnMMHome,
                                        ui.btnMMOtherVessels,  ui.btnMMSerialData,  ui.btnMMWiFi};
    const std::vector<QWidget*> groups = {ui.wgWiFiMode, ui.wgWiFiStatus, ui.wgWifiConfiguration, ui.wgWiFiAdvConfig};

    // Off without ever being on: the first page.
    ui.tbwgMain->setCurrentWidget(ui.tabMainWiFi);
    v.view->enableWiFiWaitingDisp(false);
    EXPECT_EQ(ui.tbwgMain->currentIndex(), 0);

    ui.tbwgMain->setCurrentWidget(ui.tabMainWiFi);
    v.view->enableWiFiWaitingDisp(true);
    v.view->updateWiFiPGBWaitingMsg("Loading Wi-Fi setting...");
    EXPECT_EQ(ui.tbwgMain->currentWidget(), ui.tbProgressBar);
    EXPECT_EQ(ui.lblWiFiWaiting->text(), "Loading Wi-Fi setting...");
    EXPECT_FALSE(ui.btnCommConnt->isEnabled());
    for (QWidget* button : menu)
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    for (QWidget* group : groups)
        EXPECT_TRUE(group->isHidden()) << group->objectName().toStdString();

    v.view->enableWiFiWaitingDisp(false);
    EXPECT_EQ(ui.tbwgMain->currentWidget(), ui.tabMainWiFi);
    EXPECT_TRUE(ui.btnCommConnt->isEnabled());
    for (QWidget* button : menu)
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    for (QWidget* group : groups)
        EXPECT_FALSE(group->isHidden()) << group->objectName().toStdString();
}
