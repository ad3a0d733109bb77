// Connecting and disconnecting the transponder link, and the manager's notices.
#include "AisConfiguration.h"

#include "device/CommSpaceManage.h"
#include "services/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "view/DialogProvider.h"

void AisConfiguration::onCommConntStatusChange()
{
    SYS_DEBUG(DEBUG_MSG_CONTROL, "%s", ui->btnCommConnt->text().toUtf8().constData());

    COMM::SCommConntProfile profile;
    if (ui->btnCommConnt->isChecked()) {
        profile = m_view->getConntProfile(m_envSetup.setting().DefaultBaudRate);
        // The port may have gone since the list was filled: a link to no port would wait for
        // it for ever, so the switch goes back and the list shows what is there now.
        if (profile.Config.Serial.PortName[0] == '\0') {
            SYS_DEBUG(DEBUG_MSG_WARNING, "No serial port to connect: %s",
                      m_view->portComboBox.currentText().toUtf8().constData());
            ui->btnCommConnt->setChecked(false);
            m_view->refreshSerialPortDisp(false);
            CDialogProvider::instance()->messageBox(QMessageBox::Warning, this, m_view->wifiText.strWarning,
                                                    m_view->strPortUnavailable, QMessageBox::Ok, QMessageBox::Ok);
            return;
        }
    }

    m_view->updateCommConntDisp();
    ui->btnCommConnt->setEnabled(false);
    m_view->portComboBox.setEnabled(!ui->btnCommConnt->isChecked());
    if (ui->btnCommConnt->isChecked())
        m_commManage->connectDeviceComm(profile);
    else
        m_commManage->disconnectDeviceComm();
    enableConfigDisp();
}

void AisConfiguration::onConntSaved()
{
    SYS_DEBUG(DEBUG_MSG_INFO, "Communication was connected");
    ui->btnCommConnt->setEnabled(true);
}

void AisConfiguration::onConntDeleted()
{
    SYS_DEBUG(DEBUG_MSG_INFO, "Communication was disconnected");
    ui->btnCommConnt->setChecked(false);
    onCommConntStatusChange();
    ui->btnCommConnt->setEnabled(true);
    clearSerialDataMonitor();
    init();
    updateHomePageDisp(false);
    enableWiFiWaitingDisp(false);
    enableConfigDisp();
}

void AisConfiguration::onRefreshSerialPortDisp()
{
    m_view->refreshSerialPortDisp(false);
}
