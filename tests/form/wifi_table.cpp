// The Wi-Fi page and the Wi-Fi progress page.
#include "FormTable.h"

namespace FormTable {

namespace {

const Prop kLeft{"hAlign", int(Qt::AlignLeft)};

// A status line: caption, value and a spacer side by side; the value left and vertically centred.
std::vector<Row> statusLine(Place at, const char* line, const char* caption, const char* text, const char* value,
                            const char* sample)
{
    return {
        {line, "QWidget", "wgWiFiStatus", "gridLayout_36", at, nullptr,
         {{"layoutClass", QString("QHBoxLayout")}, {"itemCount", 3}, {"spacers", QStringList{"item 3"}}}},
        {caption, "QLabel", line, nullptr, item(1), text, {}},
        {value, "QLabel", line, nullptr, item(2), sample, {kLeft, {"vAlign", int(Qt::AlignVCenter)}}},
    };
}

// A caption of the settings block, in column 0.
Row settingCaption(int row, const char* name, const char* text)
{
    return {name, "QLabel", "wgCfgWifiSetting", "gridLayout_34", grid(row, 0), text, {}};
}

} // namespace

std::vector<Row> wifiRows()
{
    std::vector<Row> rows{
        {"gridLayout_30", "QGridLayout", "tabMainWiFi", nullptr, own(), nullptr, {{"emptyRows", QVariantList{0}}}},
        {"wgWiFi", "QWidget", "tabMainWiFi", "gridLayout_30", grid(1, 0), nullptr, {}},
        {"gridLayout_29", "QGridLayout", "wgWiFi", nullptr, own(), nullptr, {{"emptyColumns", QVariantList{1}}}},
        {"wgWiFiMode", "QWidget", "wgWiFi", "gridLayout_29", grid(1, 0, 3, 1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgWiFiAdvConfig", "QWidget", "wgWiFi", "gridLayout_29", grid(4, 0), nullptr, {}},
        {"wgWifiConfiguration", "QWidget", "wgWiFi", "gridLayout_29", grid(1, 2, 4, 1), nullptr, {}},

        // Wi-Fi mode: the two choices above their picture areas.
        {"wgWiFiModeTitle", "QWidget", "wgWiFiMode", nullptr, item(1), nullptr, {{"spacerCount", 1}}},
        {"lblWiFiModeTitle", "QLabel", "wgWiFiModeTitle", nullptr, inLayout(), "Wi-Fi Mode", {}},
        {"wgWiFiModeConfiguration", "QWidget", "wgWiFiMode", nullptr, item(2), nullptr, {}},
        {"gridLayout_27", "QGridLayout", "wgWiFiModeConfiguration", nullptr, own(), nullptr, {}},
        {"wgWiFiModeAccessPoint", "QWidget", "wgWiFiModeConfiguration", "gridLayout_27", grid(0, 0), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"rdbWiFiAccessPoint", "QRadioButton", "wgWiFiModeAccessPoint", nullptr, item(1), "Access Point",
         {{"fontFamily", QString("Times New Roman")}, {"fontBold", true}, {"fontWeight", 75}, {"checked", false}}},
        {"wgWiFiModeImgAP", "QWidget", "wgWiFiModeAccessPoint", nullptr, item(2), nullptr, {}},
        {"wgWiFiModeClient", "QWidget", "wgWiFiModeConfiguration", "gridLayout_27", grid(1, 0), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"rdbWiFiClient", "QRadioButton", "wgWiFiModeClient", nullptr, item(1), "Client", {{"checked", false}}},
        {"wgWiFiModeImgClient", "QWidget", "wgWiFiModeClient", nullptr, item(2), nullptr, {}},

        // Wi-Fi configuration: title, status, settings and the access-point list, one above the other.
        {"gridLayout_40", "QGridLayout", "wgWifiConfiguration", nullptr, own(), nullptr, {}},
        {"wgWiFiCfgTitle", "QWidget", "wgWifiConfiguration", "gridLayout_40", grid(0, 0, 1, 2), nullptr, {}},
        {"lblWiFiCfgTitle", "QLabel", "wgWiFiCfgTitle", nullptr, inLayout(), "Wi-Fi Configuration", {}},
        {"wgWiFiStatus", "QWidget", "wgWifiConfiguration", "gridLayout_40", grid(1, 0), nullptr, {}},
        {"wgCfgWifiSetting", "QWidget", "wgWifiConfiguration", "gridLayout_40", grid(2, 0), nullptr, {}},
        {"wgWiFiCfgClientList", "QWidget", "wgWifiConfiguration", "gridLayout_40", grid(3, 0), nullptr, {}},
        {"gridLayout_36", "QGridLayout", "wgWiFiStatus", nullptr, own(), nullptr, {}},

        // Settings: captions in column 0, inputs in column 1, a spacer in row 6, the button in row 7.
        {"gridLayout_34", "QGridLayout", "wgCfgWifiSetting", nullptr, own(), nullptr, {{"spacerRows", QVariantList{6}}}},
        settingCaption(0, "lblWiFiCfgSSID", "SSID"),
        {"edtWifiCfgSSID", "QLineEdit", "wgCfgWifiSetting", "gridLayout_34", grid(0, 1), "", {kLeft}},
        settingCaption(1, "lblWiFiCfgPassword", "Password"),
        {"wgCfgWiFiPassword", "QWidget", "wgCfgWifiSetting", "gridLayout_34", grid(1, 1), nullptr, {}},
        {"edtWiFiCfgPassword", "QLineEdit", "wgCfgWiFiPassword", nullptr, item(1), "", {kLeft}},
        {"chbxWiFiCfgPasswordNone", "QCheckBox", "wgCfgWiFiPassword", nullptr, item(2), "None", {{"checked", false}}},
        settingCaption(2, "lblWiFiCfgChannel", "Channel"),
        {"cbbxWifiCfgChannel", "QComboBox", "wgCfgWifiSetting", "gridLayout_34", grid(2, 1), nullptr,
         {{"count", 12},
          {"currentIndex", 0},
          {"items", QStringList{"Auto Select", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}}}},
        settingCaption(3, "lblWiFiCfgIPAddress", "IP Address"),
        {"edtWifiCfgIPAddress", "QLineEdit", "wgCfgWifiSetting", "gridLayout_34", grid(3, 1), "", {kLeft}},
        settingCaption(4, "lblWiFiCfgSubnetMask", "Subnet Mask"),
        {"edtWifiCfgSubnetMask", "QLineEdit", "wgCfgWifiSetting", "gridLayout_34", grid(4, 1), "", {}},
        settingCaption(5, "lblWiFiCfgPort", "Port"),
        {"edtWiFiCfgPort", "QLineEdit", "wgCfgWifiSetting", "gridLayout_34", grid(5, 1), "", {kLeft}},
        {"wgWiFiCfgBtn", "QWidget", "wgCfgWifiSetting", "gridLayout_34", grid(7, 0, 1, 2), nullptr, {}},
        {"btnWiFiCfgApply", "QPushButton", "wgWiFiCfgBtn", nullptr, inLayout(), "Program Wi-Fi Module", {}},

        // Access-point list.
        {"gridLayout_32", "QGridLayout", "wgWiFiCfgClientList", nullptr, own(), nullptr, {}},
        {"tbvwWiFiCfgClient", "QTableView", "wgWiFiCfgClientList", "gridLayout_32", grid(0, 0, 1, 2), nullptr,
         {{"hasModel", false}}},
        {"wgWiFiCfgClientBtn", "QWidget", "wgWiFiCfgClientList", "gridLayout_32", grid(1, 0, 1, 2), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {"btnWiFiCfgClientRefresh", "QPushButton", "wgWiFiCfgClientBtn", nullptr, inLayout(), "Refresh", {}},

        // Advanced: the expander, the service switch's placeholder and the factory reset.
        {"gridLayout_41", "QGridLayout", "wgWiFiAdvConfig", nullptr, own(), nullptr, {}},
        {"wgWiFiAdvConfigTitle", "QWidget", "wgWiFiAdvConfig", "gridLayout_41", grid(0, 0, 1, 2), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}, {"itemCount", 3}, {"spacers", QStringList{"item 2"}}}},
        {"lblWiFiAdvConfigTitle", "QLabel", "wgWiFiAdvConfigTitle", nullptr, item(1), "Wi-Fi Advanced Configuration", {}},
        {"loWiFiAdvConfig", "QGridLayout", "wgWiFiAdvConfigTitle", nullptr, item(3), nullptr, {}},
        {"btnWiFiAdvConfigDisp", "QPushButton", "wgWiFiAdvConfigTitle", "loWiFiAdvConfig", grid(0, 0), "",
         {{"flat", false}}},
        {"wgWiFiAdvConfigModeEnable", "QWidget", "wgWiFiAdvConfig", "gridLayout_41", grid(1, 0), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}, {"itemCount", 3}, {"spacers", QStringList{"item 2"}}}},
        {"lblWiFiEnableTitle", "QLabel", "wgWiFiAdvConfigModeEnable", nullptr, item(1), "Wi-Fi Service", {}},
        {"loWiFiEnableSwitch", "QHBoxLayout", "wgWiFiAdvConfigModeEnable", nullptr, item(3), nullptr, {}},
        {"btnWiFiEnableSwitchTemp", "QPushButton", "wgWiFiAdvConfigModeEnable", "loWiFiEnableSwitch", inLayout(), "",
         {{"checkable", false}}},
        {"wgWiFiAdvConfigSet", "QWidget", "wgWiFiAdvConfig", "gridLayout_41", grid(2, 0, 1, 2), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {"lblWiFiFactoryResetTitle", "QLabel", "wgWiFiAdvConfigSet", nullptr, item(1), "Factory Reset", {}},
        {"btnWiFiFactoryReset", "QPushButton", "wgWiFiAdvConfigSet", nullptr, item(2), "Reset", {}},

        // Progress page: one column, spacers above and below.
        {"gridLayout_50", "QGridLayout", "tbProgressBar", nullptr, own(), nullptr, {}},
        {"wgWiFiCfgWaiting", "QWidget", "tbProgressBar", "gridLayout_50", grid(0, 0), nullptr, {}},
        {"gridLayout_35", "QGridLayout", "wgWiFiCfgWaiting", nullptr, own(), nullptr,
         {{"spacers", QStringList{"0,0", "4,0"}}, {"columnCount", 1}}},
        {"lblWiFiWaiting", "QLabel", "wgWiFiCfgWaiting", "gridLayout_35", grid(1, 0), "TextLabel",
         {{"hAlign", int(Qt::AlignHCenter)}, {"vAlign", int(Qt::AlignVCenter)}}},
        {"wgWiFiCfgEmpty", "QWidget", "wgWiFiCfgWaiting", "gridLayout_35", grid(2, 0), nullptr,
         {{"layoutClass", QString()}}},
        {"pgbWiFiCfg", "QProgressBar", "wgWiFiCfgWaiting", "gridLayout_35", grid(3, 0), nullptr,
         {{"value", 24}, {"minimum", 0}, {"maximum", 100}, {"hAlign", int(Qt::AlignHCenter)},
          {"vAlign", int(Qt::AlignVCenter)}}},
    };
    for (const auto& line : {
             statusLine(grid(0, 0), "wgWiFiStatusSSID", "lblWiFiStatusSSIDTitle", "SSID:", "lblWiFiStatusSSIDValue",
                        nullptr),
             statusLine(grid(1, 0), "wgWiFiStatusIPAddr", "lblWiFiIStatusIPAddrTitle", "IP Address:",
                        "lblWiFiStatusIPAddrValue", "255.255.255.255"),
             statusLine(grid(2, 0, 1, 2), "wgWiFiStatusVersion", "lblWiFiStatusVersionTitle",
                        "Wi-Fi Module Firmware Version:", "lblWiFiStatusVersionValue", "V1.2.3"),
         })
        rows.insert(rows.end(), line.begin(), line.end());
    return rows;
}

} // namespace FormTable
