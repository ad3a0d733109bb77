// The Configuration page: display from the displayed record, read-back into a caller's copy, the
// device identity and the model's row names.
#include "AisConfigurationView.h"

#include "comm/CommProfile.h"
#include "device/SensorConfig.h"
#include "services/StringConvt.h"
#include "services/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "view/TransponderText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cstdio>
#include <cstring>

namespace {

// Combo index of each entry of the link's baud-rate list, -1 where the combos offer none.
constexpr int kBaudComboIndex[COMM::kBaudTableSize] = {-1, -1, 0, -1, 1, 2, -1, -1};

} // namespace

using namespace TransponderText;

void CAisConfigurationView::setMachineInfo(SMachineTypeData info)
{
    machineInfo = info;
}

void CAisConfigurationView::updateMachineDisp()
{
    updateCfgBaudRate();
    const bool withPower = machineInfo.eMachineType != MACHINE_TYPE_T_275;
    ui->wgDiagStatus->setVisible(withPower);
    ui->lblDiagCheckExtPwr->setVisible(withPower);
    ui->imgDiagCheckExtPwr->setVisible(withPower);
}

void CAisConfigurationView::updateConfigurationInfo()
{
    updateCfgVesselDetail();
    updateCfgAdvancedConfiguration();
    updateCfgBaudRate();
    updateCfgSRM();
    updateCfgEncryption();
}

// An MMSI is programmed once: a programmed one is shown but cannot be edited.
void CAisConfigurationView::updateConfigurationMMSIInfo()
{
    if (sensorConfig->iMmsi != 0) {
        char text[16];
        StringConvt::formatStrID(text, sizeof(text), sensorConfig->iMmsi, 9);
        ui->edtCfgMmsi->setText(QString::fromLatin1(text));
        ui->edtCfgMmsi->setEnabled(false);
    } else {
        ui->edtCfgMmsi->clear();
        ui->edtCfgMmsi->setEnabled(true);
    }
}

int CAisConfigurationView::getShipTypeIndex(int code) const
{
    for (int i = 0; i < kShipTypeCount; ++i) {
        if (shipTypeCode[i] == code)
            return i;
    }
    return -1;
}

int CAisConfigurationView::getBuadRateIndex(int rate) const
{
    for (int i = 0; i < COMM::kBaudTableSize; ++i) {
        if (COMM::GetBaudRate(static_cast<uint32_t>(i)) == rate)
            return kBaudComboIndex[i];
    }
    return -1;
}

void CAisConfigurationView::getConfigData(CSensorConfig* config)
{
    getCfgVesselDetail(config);
    getCfgAdvancedConfiguration(config);
    getCfgBaudRate(config);
    if (machineInfo.eMachineType == MACHINE_TYPE_KVX_T_362) {
        getCfgSRM(config);
        getCfgEncryption(config);
    }
}

void CAisConfigurationView::updateCfgViewText()
{
    resourceText.updateBaudRateName(machineInfo.eMachineType, sensorConfig->iMultipleBaudRate);
    resourceText.updateSRMName(sensorConfig->iSrmEnable, sensorConfig->iSrmBoxCount, srmSingle(*sensorConfig));
}

// The optional groups by what the transponder reports; every other group whenever it is placed.
bool CAisConfigurationView::isCfgGroupWanted(const QWidget* group) const
{
    if (sensorConfig == nullptr)
        return true;
    if (group == ui->wgCfgSRM)
        return srmGroupShown(*sensorConfig);
    if (group == ui->wgCfgEncryption)
        return sensorConfig->iEncryptionPresent == 1;
    return true;
}

void CAisConfigurationView::updateCfgVesselDetail()
{
    ui->edtCfgShipName->setText(latin1Field(sensorConfig->szShipName));
    ui->edtCfgCallSign->setText(latin1Field(sensorConfig->szCallSign));
    updateConfigurationMMSIInfo();
    ui->cbbxCfgVesselType->setCurrentIndex(getShipTypeIndex(sensorConfig->iShipType));
    ui->spbxCfgVslDimA->setValue(sensorConfig->iDimA);
    ui->spbxCfgVslDimB->setValue(sensorConfig->iDimB);
    ui->spbxCfgVslDimC->setValue(sensorConfig->iDimC);
    ui->spbxCfgVslDimD->setValue(sensorConfig->iDimD);
}

void CAisConfigurationView::updateCfgAdvancedConfiguration()
{
    const CSensorConfig& cfg = *sensorConfig;
    ui->cbbxCfgDscMonitoring->setCurrentIndex(cfg.szDscMonitor[0] == '1' ? 1 : 0);
    const int rate = cfg.iGpsUpdateRate;
    ui->cbbxCfgGpsUpdateRate->setCurrentIndex(rate >= 0 && rate < ui->cbbxCfgGpsUpdateRate->count() ? rate : -1);
    ui->cbbxCfgGpsMode->setCurrentIndex(cfg.iGpsDynModel == 4 ? 0 : 1);
    ui->cbbxCfgAlrSentence->setCurrentIndex(cfg.bAlrSentence ? 1 : 0);
    for (int i = 0; i < ui->cbbxCfgNMEADevInst->count(); ++i) {
        bool ok = false;
        if (ui->cbbxCfgNMEADevInst->itemText(i).toInt(&ok) == cfg.iNmea2000Instance && ok) {
            ui->cbbxCfgNMEADevInst->setCurrentIndex(i);
            break;
        }
    }
    if (machineInfo.eMachineType == MACHINE_TYPE_T_275)
        ui->chbxCfgMsg27->setChecked(cfg.iEpv109 == 75 && cfg.iEpv110 == 76);
}

void CAisConfigurationView::updateCfgBaudRate()
{
    QWidget* const rows[4] = {ui->wgCfgNmea1Input, ui->wgCfgNmea1Output, ui->wgCfgNmea2Input, ui->wgCfgNmea2Output};
    QLabel* const labels[4] = {ui->lblCfgNmea1Input, ui->lblCfgNmea1Output, ui->lblCfgNmea2Input,
                               ui->lblCfgNmea2Output};
    QComboBox* const combos[4] = {ui->cbbxCfgNmea1Input, ui->cbbxCfgNmea1Output, ui->cbbxCfgNmea2Input,
                                  ui->cbbxCfgNmea2Output};
    const int rates[4] = {sensorConfig->iNmea1InBaud, sensorConfig->iNmea1OutBaud, sensorConfig->iNmea2InBaud,
                          sensorConfig->iNmea2OutBaud};

    // How many rows a model shows: model 1 by its port count, model 2 its two inputs.
    bool shown[4] = {false, false, false, false};
    if (machineInfo.eMachineType == MACHINE_TYPE_KVX_T_362) {
        const int visibleRows = sensorConfig->iMultipleBaudRate == 2   ? 4
                                : sensorConfig->iMultipleBaudRate == 3 ? 3
                                : sensorConfig->iMultipleBaudRate == 4 ? 2
                                                                       : 0;
        for (int i = 0; i < visibleRows; ++i)
            shown[i] = true;
    } else if (machineInfo.eMachineType == MACHINE_TYPE_T_275) {
        shown[0] = shown[2] = true;
    }
    for (int i = 0; i < 4; ++i)
        rows[i]->setVisible(shown[i]);

    for (int i = 0; i < 4; ++i)
        labels[i]->setText(resourceText.strBaudRateName[i]);

    if (machineInfo.eMachineType == MACHINE_TYPE_T_275) {
        combos[0]->setCurrentIndex(getBuadRateIndex(rates[0]));
        combos[2]->setCurrentIndex(getBuadRateIndex(rates[2]));
    } else if (machineInfo.eMachineType == MACHINE_TYPE_KVX_T_362) {
        for (int i = 0; i < 4; ++i)
            combos[i]->setCurrentIndex(getBuadRateIndex(rates[i]));
    }
}

void CAisConfigurationView::updateCfgSRM()
{
    const CSensorConfig& cfg = *sensorConfig;
    QWidget* const rows[4] = {ui->wgCfgSRMText0, ui->wgCfgSRMText1, ui->wgCfgSRMText2, ui->wgCfgSRMText3};
    QLabel* const labels[4] = {ui->lblCfgSRMText0, ui->lblCfgSRMText1, ui->lblCfgSRMText2, ui->lblCfgSRMText3};
    QLineEdit* const edits[4] = {ui->edtCfgSRMText0, ui->edtCfgSRMText1, ui->edtCfgSRMText2, ui->edtCfgSRMText3};

    const bool groupShown = isCfgGroupWanted(ui->wgCfgSRM);
    updateCfgGroupDisp(ui->wgCfgSRM);
    const int count = srmEffectiveCount(cfg);
    if (groupShown) {
        for (int i = 0; i < 4; ++i)
            rows[i]->setVisible(count == 4 || (count == 1 && i == 0));
    }
    for (int i = 0; i < 4; ++i)
        labels[i]->setText(resourceText.strSRMName[i]);
    // The single text is shown as UTF-8, the boxes as Latin-1; each is read back the same way.
    edits[0]->setText(count == 1 ? srmShown(cfg.szSrmSingle, true) : srmShown(cfg.aszSrmBox[0], false));
    for (int i = 1; i < 4; ++i)
        edits[i]->setText(srmShown(cfg.aszSrmBox[i], false));
}

void CAisConfigurationView::updateCfgEncryption()
{
    const CSensorConfig& cfg = *sensorConfig;
    updateCfgGroupDisp(ui->wgCfgEncryption);
    const bool enabled = cfg.iEncryptionPresent == 1 && cfg.iEncryptionEnable == 1;
    ui->chbxEncryptionModeEnable->setChecked(enabled);
    ui->wgCfgEncryptionAddressMode->setEnabled(enabled);
    ui->wgCfgEncryptionCode->setEnabled(enabled);
    ui->edtCfgEncryptionCode->setText(latin1Field(cfg.szEncryptionCode));
    const bool addressed = enabled && cfg.iEncryptionAddrMode == 1;
    ui->chbxEncryptionAddressMode->setChecked(addressed);
    ui->wgCfgEncryptionMMSI->setEnabled(addressed);
    char mmsi[16];
    std::snprintf(mmsi, sizeof(mmsi), "%09d", cfg.iEncryptionMmsi);
    ui->edtCfgEncryptionMMSI->setText(QString::fromLatin1(mmsi));
}

void CAisConfigurationView::getCfgVesselDetail(CSensorConfig* config)
{
    copyLatin1(config->szShipName, ui->edtCfgShipName->text());
    copyLatin1(config->szCallSign, ui->edtCfgCallSign->text());
    const QString mmsi = ui->edtCfgMmsi->text();
    config->iMmsi = mmsi.isEmpty() ? 0 : mmsi.toUInt();
    // Nothing selected: the type the transponder reported stays.
    const int type = ui->cbbxCfgVesselType->currentIndex();
    if (type >= 0 && type < kShipTypeCount)
        config->iShipType = shipTypeCode[type];
    config->iDimA = ui->spbxCfgVslDimA->value();
    config->iDimB = ui->spbxCfgVslDimB->value();
    config->iDimC = ui->spbxCfgVslDimC->value();
    config->iDimD = ui->spbxCfgVslDimD->value();
}

void CAisConfigurationView::getCfgAdvancedConfiguration(CSensorConfig* config)
{
    std::memset(config->szDscMonitor, 0, sizeof(config->szDscMonitor));
    config->szDscMonitor[0] = ui->cbbxCfgDscMonitoring->currentIndex() == 1 ? '1' : '0';
    // Nothing selected: the rate the transponder reported stays.
    if (ui->cbbxCfgGpsUpdateRate->currentIndex() >= 0)
        config->iGpsUpdateRate = ui->cbbxCfgGpsUpdateRate->currentIndex();
    config->iGpsDynModel = ui->cbbxCfgGpsMode->currentIndex() > 0 ? 5 : 4;
    config->bAlrSentence = ui->cbbxCfgAlrSentence->currentIndex() >= 1;
    config->iNmea2000Instance = ui->cbbxCfgNMEADevInst->currentText().toInt();
    const bool message27 = ui->chbxCfgMsg27->isChecked();
    config->iEpv109 = message27 ? 75 : 0;
    config->iEpv110 = message27 ? 76 : 0;
}

void CAisConfigurationView::getCfgBaudRate(CSensorConfig* config)
{
    // A combo without a selection keeps the rate the transponder reported.
    auto read = [](const QComboBox* combo, int* rate) {
        if (combo->currentIndex() >= 0)
            *rate = combo->currentText().toInt();
    };
    if (machineInfo.eMachineType == MACHINE_TYPE_T_275) {
        read(ui->cbbxCfgNmea1Input, &config->iNmea1InBaud);
        read(ui->cbbxCfgNmea1Input, &config->iNmea1OutBaud);
        read(ui->cbbxCfgNmea2Input, &config->iNmea2InBaud);
        read(ui->cbbxCfgNmea2Input, &config->iNmea2OutBaud);
    } else if (machineInfo.eMachineType == MACHINE_TYPE_KVX_T_362) {
        read(ui->cbbxCfgNmea1Input, &config->iNmea1InBaud);
        read(ui->cbbxCfgNmea1Output, &config->iNmea1OutBaud);
        read(ui->cbbxCfgNmea2Input, &config->iNmea2InBaud);
        read(ui->cbbxCfgNmea2Output, &config->iNmea2OutBaud);
    }
}

void CAisConfigurationView::getCfgSRM(CSensorConfig* config)
{
    const int count = srmEffectiveCount(*config);
    if (config->iSrmEnable == 0 && !srmSingle(*config))
        return;
    if (count == 1) {
        srmRead(config->szSrmSingle, ui->edtCfgSRMText0->text(), true);
    } else if (count == 4) {
        srmRead(config->aszSrmBox[0], ui->edtCfgSRMText0->text(), false);
    } else {
        SYS_DEBUG(DEBUG_MSG_WARNING, "SRM box %d not define!", count);
        return;
    }
    srmRead(config->aszSrmBox[1], ui->edtCfgSRMText1->text(), false);
    srmRead(config->aszSrmBox[2], ui->edtCfgSRMText2->text(), false);
    srmRead(config->aszSrmBox[3], ui->edtCfgSRMText3->text(), false);
}

void CAisConfigurationView::getCfgEncryption(CSensorConfig* config)
{
    config->iEncryptionEnable = ui->chbxEncryptionModeEnable->isChecked() ? 1 : 0;
    config->iEncryptionAddrMode = ui->chbxEncryptionAddressMode->isChecked() ? 1 : 0;
    config->iEncryptionMmsi = ui->edtCfgEncryptionMMSI->text().toInt();
    copyLatin1(config->szEncryptionCode, ui->edtCfgEncryptionCode->text());
}
