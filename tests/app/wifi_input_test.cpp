// The checks of what the user typed on the Wi-Fi page before "Program Wi-Fi Module": one box
// naming the first field that fails, and nothing sent.
#include "WiFiWindow.h"

#include <QComboBox>
#include <QLineEdit>

using namespace WiFiScope;
using namespace WiFiWindow;

namespace {

using WiFiInput = WiFiWindowTest;

const QString kSsidRequired = "The wireless network must have a name(SSID).";
const QString kPasswordFormat = "Invalid password format.\n";
const QString kPasswordLength =
    "Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed.";
const QString kChannel = "Invalid channel.";
const QString kIpAddress = "Invalid IP address.";
const QString kSubnetMask = "Invalid subnet mask.";
const QString kPort = "Invalid port value.\nThe port range is from 0 to 65535.";

} // namespace

TEST_F(WiFiInput, EachRefusedFieldIsNamedAndNothingIsSent)
{
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    Ui::AisConfiguration* f = ui();
    const auto valid = [f] {
        f->edtWifiCfgSSID->setText("Bridge Deck");
        f->chbxWiFiCfgPasswordNone->setChecked(false);
        f->edtWiFiCfgPassword->setEnabled(true);
        f->edtWiFiCfgPassword->setText("seaworthy1");
        f->cbbxWifiCfgChannel->setCurrentIndex(0);
        f->edtWifiCfgIPAddress->setText("10.0.0.1");
        f->edtWifiCfgSubnetMask->setText("255.0.0.0");
        f->edtWiFiCfgPort->setText("5000");
    };
    f->cbbxWifiCfgChannel->addItem("12"); // no such channel, for the channel check

    struct SCase
    {
        const char* name;
        std::function<void()> change;
        QString message;
    };
    const std::vector<SCase> refused = {
        {"no SSID", [f] { f->edtWifiCfgSSID->clear(); }, kSsidRequired},
        // A line break would split the AT command in two.
        {"SSID with a line break", [f] { f->edtWifiCfgSSID->setText("Bridge\nAT+FACTDEF"); }, kSsidRequired},
        {"no password", [f] { f->edtWiFiCfgPassword->clear(); }, kPasswordFormat},
        {"password with a line break", [f] { f->edtWiFiCfgPassword->setText("seaworthy\r1"); }, kPasswordFormat},
        {"password of 7", [f] { f->edtWiFiCfgPassword->setText("seven77"); }, kPasswordLength},
        {"channel 12", [f] { f->cbbxWifiCfgChannel->setCurrentIndex(12); }, kChannel},
        {"address 0.0.0.0", [f] { f->edtWifiCfgIPAddress->setText("0.0.0.0"); }, kIpAddress},
        {"address 256.1.1.1", [f] { f->edtWifiCfgIPAddress->setText("256.1.1.1"); }, kIpAddress},
        {"address 1.2.3", [f] { f->edtWifiCfgIPAddress->setText("1.2.3"); }, kIpAddress},
        {"empty address", [f] { f->edtWifiCfgIPAddress->clear(); }, kIpAddress},
        {"mask 0.0.0.0", [f] { f->edtWifiCfgSubnetMask->setText("0.0.0.0"); }, kSubnetMask},
        {"mask 255.255.256.0", [f] { f->edtWifiCfgSubnetMask->setText("255.255.256.0"); }, kSubnetMask},
        {"no port", [f] { f->edtWiFiCfgPort->clear(); }, kPort},
        {"port 65536", [f] { f->edtWiFiCfgPort->setText("65536"); }, kPort},
    };
    for (const SCase& c : refused) {
        SCOPED_TRACE(c.name);
        valid();
        c.change();
        const size_t before = w().dialogs().asked.size();
        QTest::mouseClick(f->btnWiFiCfgApply, Qt::LeftButton);
        ASSERT_EQ(w().dialogs().asked.size(), before + 1);
        const ScriptedDialogs::SAsked box = w().dialogs().asked.back();
        EXPECT_EQ(box.title, "Wi-Fi Configuration");
        EXPECT_EQ(box.text, c.message);
        EXPECT_EQ(box.icon, QMessageBox::Information);
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
        EXPECT_TRUE(procIs(WIFI_MAIN_PROC_PENDING));
    }
    w().tick(3);
    EXPECT_TRUE(wire().empty());
    EXPECT_FALSE(waiting());

    // The edges that pass, each read as the whole rule wants it.
    const std::vector<std::pair<const char*, std::function<void()>>> accepted = {
        {"address 255.255.255.255", [f] { f->edtWifiCfgIPAddress->setText("255.255.255.255"); }},
        {"port 0", [f] { f->edtWiFiCfgPort->setText("0"); }},
        {"port 65535", [f] { f->edtWiFiCfgPort->setText("65535"); }},
        {"automatic channel", [f] { f->cbbxWifiCfgChannel->setCurrentIndex(0); }},
        {"channel 11", [f] { f->cbbxWifiCfgChannel->setCurrentIndex(11); }},
        {"password of 8", [f] { f->edtWiFiCfgPassword->setText("eight888"); }},
        {"no password with None", [f] { f->chbxWiFiCfgPasswordNone->setChecked(true); }},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.first);
        valid();
        c.second();
        const size_t before = w().dialogs().asked.size();
        EXPECT_TRUE(w().window()->checkInputRule());
        EXPECT_EQ(w().dialogs().asked.size(), before);
    }
}

TEST_F(WiFiInput, NoneKeepsThePasswordAsideAndProgrammingNeedsTheConfiguration)
{
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    Ui::AisConfiguration* f = ui();
    f->edtWiFiCfgPassword->setText("typed-pass");
    f->chbxWiFiCfgPasswordNone->setChecked(true);
    EXPECT_EQ(f->edtWiFiCfgPassword->text(), "");
    EXPECT_FALSE(f->edtWiFiCfgPassword->isEnabled());
    f->chbxWiFiCfgPasswordNone->setChecked(false);
    EXPECT_EQ(f->edtWiFiCfgPassword->text(), "typed-pass");
    EXPECT_TRUE(f->edtWiFiCfgPassword->isEnabled());

    // Disconnected: "Program Wi-Fi Module" does nothing at all, not even the checks.
    f->edtWifiCfgSSID->clear();
    QTest::mouseClick(f->btnCommConnt, Qt::LeftButton);
    ASSERT_TRUE(w().waitFor([f] { return !f->btnCommConnt->isChecked() && f->btnCommConnt->isEnabled(); }));
    const size_t before = w().dialogs().asked.size();
    w().window()->onWiFiCfgApply();
    EXPECT_EQ(w().dialogs().asked.size(), before);
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_START));
    EXPECT_EQ(wifi()->m_cfgType, WIFI_CFG_QUERY);
}
