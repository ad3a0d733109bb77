// The Wi-Fi page: display, read-back of the access-point settings, and the waiting page.
#include "AisConfigurationView.h"

#include "theme/ObjPalette.h"
#include "widgets/WgSelectorSwitch.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QByteArray>
#include <cstring>

using namespace WiFiScope;

namespace {

constexpr const char* kOpenNetwork = "NONE";
constexpr const char* kSecuredNetwork = "WPA2-PSK";
constexpr int kChannelItems = 12; // "Auto Select" and the channels 1 to 11

// A text of a fixed array, never read past the array even without its terminator.
template <size_t N> QString textOf(const char (&field)[N])
{
    return QString::fromLocal8Bit(field, static_cast<int>(strnlen(field, N)));
}

// The text in the local 8-bit encoding, cut to the array and always terminated.
template <size_t N> void copyText(char (&field)[N], const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const size_t n = static_cast<size_t>(bytes.size()) < N - 1 ? static_cast<size_t>(bytes.size()) : N - 1;
    std::memset(field, 0, N);
    std::memcpy(field, bytes.constData(), n);
}

} // namespace

void CAisConfigurationView::updateWiFiDisp()
{
    if (wifiConfig == nullptr)
        return;
    // One consistent copy: the reply parser writes the record on the communication thread.
    const SWiFiData wifi = wifiConfig->getCmdProcData().data;
    const SAPData& ap = wifi.sAPData;
    const bool apMode = wifi.iOperationMode == WIFI_OPERATION_MODE_AP;

    updateWiFiSettingDisp(wifi.bWlanEnable, wifi.iOperationMode);
    updateWiFiAdvConfigDisp(!wifi.bWlanEnable);

    QString address;
    if (apMode)
        address = textOf(ap.szIpAddress) + " : " + QString::number(ap.iTcpPort);
    else if (isClientAPConnected(wifi))
        address =
            QString::fromStdString(wifi.sLinkStatus.currentIp) + " : " + QString::number(wifi.sLinkStatus.tcpPort);
    else
        address = "N/A";

    const QString channel = ap.iChannel == 0 ? wifiText.strAutoSelect : QString::number(ap.iChannel);
    for (int i = 0; i < kChannelItems && i < ui->cbbxWifiCfgChannel->count(); ++i) {
        if (ui->cbbxWifiCfgChannel->itemText(i) == channel)
            ui->cbbxWifiCfgChannel->setCurrentIndex(i);
    }

    const bool noPassword =
        std::strncmp(ap.szSecurity, kOpenNetwork, sizeof(ap.szSecurity)) == 0 || ap.szPassPhrase[0] == '\0';
    const QString password = noPassword ? QString() : textOf(ap.szPassPhrase);
    ui->chbxWiFiCfgPasswordNone->setChecked(noPassword);
    ui->edtWiFiCfgPassword->setEnabled(!noPassword);

    ui->lblWiFiStatusSSIDValue->setText(textOf(ap.szSSID));
    ui->lblWiFiStatusIPAddrValue->setText(address);
    ui->lblWiFiStatusVersionValue->setText(textOf(wifi.szVersion));

    // In client mode the settings block is hidden and keeps what the user typed.
    if (!apMode)
        return;
    ui->edtWifiCfgSSID->setText(textOf(ap.szSSID));
    ui->edtWifiCfgIPAddress->setText(textOf(ap.szIpAddress));
    ui->edtWifiCfgSubnetMask->setText(textOf(ap.szSubnetMask));
    ui->edtWiFiCfgPort->setText(QString::number(ap.iTcpPort));
    ui->edtWiFiCfgPassword->setText(password);
}

void CAisConfigurationView::updateWiFiSettingDisp(bool enabled, int mode)
{
    if (wifiEnableSwitch != nullptr)
        wifiEnableSwitch->setActive(enabled);
    ui->wgWiFiModeConfiguration->setEnabled(enabled);
    ui->wgWifiConfiguration->setEnabled(enabled);

    // Anything but access-point mode, the unread -1 included, is shown as client mode.
    const bool apMode = mode == WIFI_OPERATION_MODE_AP;
    ui->wgWiFiStatusSSID->setVisible(apMode);
    ui->wgCfgWifiSetting->setVisible(apMode);
    ui->wgWiFiCfgClientList->setVisible(!apMode);
    ui->rdbWiFiAccessPoint->setChecked(apMode);
    ui->rdbWiFiClient->setChecked(!apMode);

    ObjPalette::setWiFiModeWgsStyle(ui->wgWiFiModeAccessPoint, LibraryImage::WIFI_MODE_AP, apMode, enabled);
    ObjPalette::setWiFiModeWgsStyle(ui->wgWiFiModeClient, LibraryImage::WIFI_MODE_CLIENT, !apMode, enabled);
}

void CAisConfigurationView::getWiFiAPData(SAPData* data)
{
    if (data == nullptr)
        return;
    copyText(data->szSSID, ui->edtWifiCfgSSID->text());
    copyText(data->szIpAddress, ui->edtWifiCfgIPAddress->text());
    copyText(data->szSubnetMask, ui->edtWifiCfgSubnetMask->text());
    data->iTcpPort = ui->edtWiFiCfgPort->text().toInt();
    data->iChannel = ui->cbbxWifiCfgChannel->currentText().toInt();
    if (ui->chbxWiFiCfgPasswordNone->isChecked()) {
        copyText(data->szSecurity, kOpenNetwork);
        std::memset(data->szPassPhrase, 0, sizeof(data->szPassPhrase));
    } else {
        copyText(data->szSecurity, kSecuredNetwork);
        copyText(data->szPassPhrase, ui->edtWiFiCfgPassword->text());
    }
}

void CAisConfigurationView::enableWiFiWaitingDisp(bool on)
{
    if (on) {
        wifiWaitingPrevPage = ui->tbwgMain->currentIndex();
        ui->tbwgMain->setCurrentWidget(ui->tbProgressBar);
    } else {
        ui->tbwgMain->setCurrentIndex(wifiWaitingPrevPage);
    }
    ui->btnCommConnt->setEnabled(!on);
    for (QWidget* group : {ui->wgWiFiMode, ui->wgWiFiStatus, ui->wgWifiConfiguration, ui->wgWiFiAdvConfig})
        group->setVisible(!on);
    for (QWidget* button : {ui->btnMMConfiguration, ui->btnMMDiagnostics, ui->btnMMGPSStatus, ui->btnMMHome,
                            ui->btnMMOtherVessels, ui->btnMMSerialData, ui->btnMMWiFi})
        button->setEnabled(!on);
}

void CAisConfigurationView::updateWiFiPGBWaitingMsg(const QString& text)
{
    ui->lblWiFiWaiting->setText(text);
}

bool CAisConfigurationView::isClientAPConnected(const SWiFiData& wifi)
{
    for (const SClientAPInfoStruct& group : wifi.scanned) {
        if (group.connectStatus >= 0)
            return true;
    }
    return false;
}
