// The user's actions on the Wi-Fi page and the checks of what was typed. A reaction only starts
// a job of the Wi-Fi procedure; nothing is sent from here.
#include "AisConfiguration.h"

#include "device/CommSpaceManage.h"
#include "services/SysDebug.h"
#include "view/DialogProvider.h"
#include "widgets/LibraryImage.h"
#include "widgets/WgSelectorSwitch.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QByteArray>
#include <QStandardItem>
#include <QStringList>

using namespace WiFiScope;

namespace {

constexpr int kMinPassPhrase = 8;
constexpr int kMaxPassPhrase = 63;
constexpr int kMaxChannel = 11;
constexpr int kMaxPort = 65535;
constexpr int kMaxAddressByte = 255;

// A line break would end the AT command early and send the rest as a command of its own.
bool holdsLineBreak(const QString& text)
{
    return text.contains('\r') || text.contains('\n');
}

// A dialog runs its own event loop, in which the transponder may hang up: the Wi-Fi record then
// starts afresh for the next connection, and the answer belongs to a link that is gone.
bool answeredForLostLink(const CWiFiConfig* wifi, unsigned int resetsBefore)
{
    return wifi->resetCount() != resetsBefore;
}

bool isPassPhrase(const QString& text)
{
    return text.size() >= kMinPassPhrase && text.size() <= kMaxPassPhrase && !holdsLineBreak(text);
}

// The value of a text's leading decimal digits, 0 without any; held above limit when larger.
int leadingNumber(const QString& text, int limit)
{
    int value = 0;
    for (const QChar c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > limit)
            return limit + 1;
    }
    return value;
}

} // namespace

void AisConfiguration::onWiFiEnable()
{
    if (m_view == nullptr || m_view->wifiEnableSwitch == nullptr)
        return;
    WgSelectorSwitch* serviceSwitch = m_view->wifiEnableSwitch;
    const bool on = serviceSwitch->isActive();
    SYS_DEBUG(DEBUG_MSG_CONTROL, "WiFi Service clicked:%d", on ? 1 : 0);
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    const unsigned int resets = wifi->resetCount();
    const QMessageBox::StandardButton answer =
        CDialogProvider::instance()->messageBox(QMessageBox::Information, nullptr, "Information",
                                                on ? m_view->wifiText.strEnableWiFi : m_view->wifiText.strDisableWiFi,
                                                QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answeredForLostLink(wifi, resets))
        return;
    if (answer == QMessageBox::Yes) {
        wifi->m_mainProc = WIFI_MAIN_PROC_START;
        wifi->m_cfgType = WIFI_CFG_MODE_CTRL;
        if (ui->tbwgMain->currentWidget() != ui->tbProgressBar)
            m_view->enableWiFiWaitingDisp(true);
        return;
    }
    // Back to what the module said, not to the state before the click.
    serviceSwitch->setActive(wifi->getCmdProcData().data.bWlanEnable);
}

void AisConfiguration::onWiFiOPModeChange()
{
    if (m_view == nullptr)
        return;
    const bool apChecked = ui->rdbWiFiAccessPoint->isChecked();
    SYS_DEBUG(DEBUG_MSG_CONTROL, "WiFi operation mode clicked, AP:%d, Client:%d", apChecked ? 1 : 0,
              ui->rdbWiFiClient->isChecked() ? 1 : 0);
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    const unsigned int resets = wifi->resetCount();
    const QMessageBox::StandardButton answer = CDialogProvider::instance()->messageBox(
        QMessageBox::Information, nullptr, "Information",
        apChecked ? m_view->wifiText.strSwitchToAccessPoint : m_view->wifiText.strSwitchToClient,
        QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answeredForLostLink(wifi, resets))
        return;
    if (answer == QMessageBox::Yes) {
        wifi->m_mainProc = WIFI_MAIN_PROC_START;
        wifi->m_cfgType = WIFI_CFG_MODE_CTRL;
        if (ui->tbwgMain->currentWidget() != ui->tbProgressBar)
            m_view->enableWiFiWaitingDisp(true);
        return;
    }
    const bool apMode = wifi->getCmdProcData().data.iOperationMode == WIFI_OPERATION_MODE_AP;
    (apMode ? ui->rdbWiFiAccessPoint : ui->rdbWiFiClient)->setChecked(true);
}

void AisConfiguration::onWiFiCfgApply()
{
    SYS_DEBUG(DEBUG_MSG_CONTROL, "WiFi configuration apply clicked");
    CDeviceComm* device = m_commManage->getDeviceComm();
    if (!ui->btnCommConnt->isChecked() || device->getSentenceHandle()->getDevDetectState() != COMM_TRX_DEV_CONFIG_SHOWN)
        return;
    CWiFiConfig* wifi = device->getWiFiConfig();
    const unsigned int resets = wifi->resetCount();
    if (checkInputRule()) {
        wifi->m_mainProc = WIFI_MAIN_PROC_START;
        wifi->m_cfgType = WIFI_CFG_AP_SETUP;
        return;
    }
    SYS_DEBUG(DEBUG_MSG_INFO, "Input data check Fail");
    // Pending would keep the next connection from its first query.
    if (answeredForLostLink(wifi, resets))
        return;
    // A configuration mode still held is left on the next tick.
    wifi->m_mainProc = WIFI_MAIN_PROC_PENDING;
}

void AisConfiguration::onWiFiAdvConfigChanged()
{
    if (m_view != nullptr)
        m_view->updateWiFiAdvConfigDisp(ui->lblWiFiFactoryResetTitle->isHidden());
}

void AisConfiguration::onWiFiCfgPassWordChange(int iState)
{
    if (iState == Qt::Checked) {
        m_savedPassword = ui->edtWiFiCfgPassword->text();
        ui->edtWiFiCfgPassword->clear();
        ui->edtWiFiCfgPassword->setEnabled(false);
    } else {
        ui->edtWiFiCfgPassword->setText(m_savedPassword);
        ui->edtWiFiCfgPassword->setEnabled(true);
    }
}

void AisConfiguration::onFactoryReset()
{
    if (m_view == nullptr)
        return;
    SYS_DEBUG(DEBUG_MSG_CONTROL, "WiFi Factory Reset clicked");
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    const unsigned int resets = wifi->resetCount();
    const QMessageBox::StandardButton answer = CDialogProvider::instance()->messageBox(
        QMessageBox::Question, this, m_view->wifiText.strFactoryResetTitle, m_view->wifiText.strFactoryResetQuestion,
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes || answeredForLostLink(wifi, resets))
        return;
    wifi->m_mainProc = WIFI_MAIN_PROC_START;
    wifi->m_cfgType = WIFI_CFG_FACTORY_RESET;
}

void AisConfiguration::onClientRefresh()
{
    SYS_DEBUG(DEBUG_MSG_CONTROL, "WiFi AP list refresh clicked");
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    wifi->m_mainProc = WIFI_MAIN_PROC_START;
    wifi->m_cfgType = WIFI_CFG_SCAN;
}

// Asks for the pass phrase of the access point to join; false when the user cancels, the link
// went away meanwhile, or the text is no pass phrase (said in a box).
bool AisConfiguration::askJoinPassPhrase(QWidget* parent)
{
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    bool ok = false;
    const unsigned int resets = wifi->resetCount();
    const QString text = CDialogProvider::instance()->inputText(
        parent, m_view->wifiText.strPasswordTitle,
        "Please input " + QString::fromStdString(m_apJoinRequest.ssid) + " password", QLineEdit::Normal, QString(),
        &ok);
    if (!ok || answeredForLostLink(wifi, resets))
        return false;
    if (!isPassPhrase(text)) {
        showMsgBox(MSG_BOX_INFORMATION, m_view->wifiText.strInformation, m_view->wifiText.strPasswordFormat,
                   QMessageBox::Ok, 0);
        return false;
    }
    m_apJoinRequest.passPhrase = text.toStdString();
    return true;
}

void AisConfiguration::onClientAPCntDoubleClick()
{
    if (m_view == nullptr)
        return;
    SYS_DEBUG(DEBUG_MSG_CONTROL, "WiFi AP list connect clicked, SSID:%s, SecMode:%s", m_apJoinRequest.ssid.c_str(),
              m_apJoinRequest.security.c_str());
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    if (m_apJoinRequest.security == "NONE") {
        m_apJoinRequest.passPhrase.clear();
    } else {
        if (!askJoinPassPhrase(this))
            return;
    }
    wifi->m_mainProc = WIFI_MAIN_PROC_START;
    wifi->m_cfgType = WIFI_CFG_CONNECT;
}

void AisConfiguration::onGetClintAPListData(QModelIndex modelIdx)
{
    if (m_view == nullptr)
        return;
    SYS_DEBUG(DEBUG_MSG_CONTROL, "WiFi AP List clicked, SSID:%s, SecMode:%s", m_apJoinRequest.ssid.c_str(),
              m_apJoinRequest.security.c_str());
    getClientAPListData(modelIdx, &m_apJoinRequest);

    const int connectionColumn = m_apModel.getCellSeqIndex(AP_ITEM_CONNECTION);
    const int statusColumn = m_apModel.getCellSeqIndex(AP_ITEM_CONNECT_STATUS);
    CStringGridModel* grid = m_apModel.gridModel();
    // The list shows the grid's rows unsorted, so a row of the view is the grid's row.
    const int row = modelIdx.row();
    QStandardItem* connection = grid->item(row, connectionColumn);
    QStandardItem* status = grid->item(row, statusColumn);
    if (connection == nullptr || status == nullptr)
        return;
    const bool linked = status->text().toInt() >= 0;

    if (modelIdx.column() != connectionColumn || connection->icon().isNull()) {
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (QStandardItem* item = grid->item(r, connectionColumn))
                item->setIcon(QIcon());
        }
        LibraryImage* images = Pattern::Singleton<LibraryImage>::instance();
        connection->setIcon(QIcon(images->getWiFiStatusImagePath(linked ? 8 : 7)));
        return;
    }

    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    if (linked) {
        SYS_DEBUG(DEBUG_MSG_CONTROL, "Disconnect");
        m_apJoinRequest.security = "NONE";
        m_apJoinRequest.ssid = kWiFiDisconnectSsid;
        m_apJoinRequest.passPhrase.clear();
    } else {
        SYS_DEBUG(DEBUG_MSG_CONTROL, "Connect AP");
        // False also when the list was emptied with the link: the row's item is gone too.
        if (!askJoinPassPhrase(nullptr))
            return;
    }
    wifi->m_mainProc = WIFI_MAIN_PROC_START;
    wifi->m_cfgType = WIFI_CFG_CONNECT;
    connection->setIcon(QIcon());
}

bool AisConfiguration::checkInputRule()
{
    const CAisCfgViewWiFiText& text = m_view->wifiText;
    QString failure;
    const QString ssid = ui->edtWifiCfgSSID->text();
    if (ssid.isEmpty() || holdsLineBreak(ssid))
        failure = text.strSsidRequired;
    else if (!checkWiFiPassword())
        failure = text.strPasswordFormat;
    else if (!ui->chbxWiFiCfgPasswordNone->isChecked() && (ui->edtWiFiCfgPassword->text().size() < kMinPassPhrase ||
                                                           ui->edtWiFiCfgPassword->text().size() > kMaxPassPhrase))
        failure = text.strPasswordLength;
    else if (!checkWiFiChannel())
        failure = text.strInvalidChannel;
    else if (!checkWiFiIPSets(ui->edtWifiCfgIPAddress->text()))
        failure = text.strInvalidIpAddress;
    else if (!checkWiFiIPSets(ui->edtWifiCfgSubnetMask->text()))
        failure = text.strInvalidSubnetMask;
    else if (!checkWiFiPort())
        failure = text.strInvalidPort;
    else
        return true;
    showMsgBox(MSG_BOX_INFORMATION, text.strWiFiConfiguration, failure, QMessageBox::Ok, 0);
    return false;
}

bool AisConfiguration::checkWiFiPassword()
{
    if (ui->chbxWiFiCfgPasswordNone->isChecked())
        return true;
    const QString password = ui->edtWiFiCfgPassword->text();
    return !password.isEmpty() && !holdsLineBreak(password);
}

bool AisConfiguration::checkWiFiChannel()
{
    const int channel = ui->cbbxWifiCfgChannel->currentText().toInt();
    return channel >= 0 && channel <= kMaxChannel;
}

bool AisConfiguration::checkWiFiPort()
{
    const QString text = ui->edtWiFiCfgPort->text();
    if (text.isEmpty())
        return false;
    bool number = false;
    const int port = text.toInt(&number);
    return number && port >= 0 && port <= kMaxPort;
}

bool AisConfiguration::checkWiFiIPSets(const QString& text)
{
    const QStringList pieces = text.split('.');
    if (pieces.size() < 4)
        return false;
    bool allZero = true;
    for (int i = 0; i < 4; ++i) {
        if (pieces[i].isEmpty())
            return false;
        const int value = leadingNumber(pieces[i], kMaxAddressByte);
        if (value > kMaxAddressByte)
            return false;
        allZero = allZero && value == 0;
    }
    return !allZero;
}

void AisConfiguration::getClientAPListData(QModelIndex index, SClintAPCntData* request)
{
    if (request == nullptr)
        return;
    *request = SClintAPCntData();
    const QAbstractItemModel* model = index.model();
    QVariant ssid;
    QVariant security;
    if (model != nullptr) {
        ssid = model->index(index.row(), m_apModel.getCellSeqIndex(AP_ITEM_SSID)).data();
        security = model->index(index.row(), m_apModel.getCellSeqIndex(AP_ITEM_SECURITY)).data();
    }
    if (!ssid.isValid() && !security.isValid()) {
        showMsgBox(MSG_BOX_INFORMATION, m_view->wifiText.strInformation, m_view->wifiText.strInvalidWiFi,
                   QMessageBox::Ok, 0);
        return;
    }
    const QByteArray ssidText = ssid.toString().toUtf8();
    const QByteArray securityText = security.toString().toUtf8();
    SYS_DEBUG(DEBUG_MSG_INFO, "Get Clint AP list data : %s, %s", ssidText.constData(), securityText.constData());
    const std::vector<SClientAPInfoStruct> scanned =
        m_commManage->getDeviceComm()->getWiFiConfig()->getCmdProcData().data.scanned;
    for (size_t i = 0; i < scanned.size(); ++i) {
        if (scanned[i].ssid == ssidText.toStdString())
            request->index = static_cast<int>(i);
    }
    if (request->index < 0)
        SYS_DEBUG(DEBUG_MSG_INFO, "SSID:%s is not on the list !", ssidText.constData());
    request->ssid = ssidText.toStdString();
    request->security = securityText.toStdString();
}
