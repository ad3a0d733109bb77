// Message boxes, the text table, the title bar, run-time texts and styling.
#include "AisConfigurationView.h"

CAisCfgViewWiFiText::CAisCfgViewWiFiText() {}

void CAisConfigurationView::showMsgBox(QWidget*, MSG_BOX_S, const QString&, const QString&, int, int) {}

void CAisConfigurationView::updateBorderTitleDisp() {}

void CAisConfigurationView::updateUiObjText()
{
    // What start-up needs: the text members the connection bar, the expanders and the log switch use.
    strAppTitle = QString::fromUtf8(kProductTitle);
    strConnect = QObject::tr("Connect");
    strDisconnect = QObject::tr("Disconnect");
    strDisconnectTip = QObject::tr("DisconnectTip");
    strConnectCheckTip = QObject::tr("ConnectCheckTip");
    strInUse = QObject::tr(" - IN USE");
    strMore = QObject::tr("More...");
    strInvalidShipNameTip = QObject::tr("InvalidShipNameTip");
    strInvalidCallSignTip = QObject::tr("InvalidCallSignTip");
    strMmsiTitle = QObject::tr("Maritime Mobile Service Identity (MMSI)");
    strInvalidMmsiTip = QObject::tr("InvalidMMSITip");
    strDeviceConfirm = QObject::tr("DeviceConfirm");
    strAdvMore = QObject::tr("More...");
    strAdvHide = QObject::tr("Hide...");
    strOn = QObject::tr("ON");
    strOff = QObject::tr("OFF");
    strStartLog = QObject::tr("Start Log");
    strStopLog = QObject::tr("Stop Log");
    buildShipTypeResource();
}

void CAisConfigurationView::updateUiObjPalette() {}
