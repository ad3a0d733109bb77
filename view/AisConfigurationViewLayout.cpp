// The Configuration page's groups, four to a page.
#include "AisConfigurationView.h"

#include "device/SensorConfig.h"
#include "view/TransponderText.h"
#include "ui_AisConfiguration.h"

#include <QGridLayout>
#include <QLayoutItem>
#include <QWidget>

namespace {

constexpr int kGroupsPerPage = 4;

// Empties a grid from the front; the widgets stay where the form put them until placed again.
void takeAll(QGridLayout* grid)
{
    while (QLayoutItem* item = grid->takeAt(0))
        delete item;
}

} // namespace

void SCfgLayoutInfo::reset()
{
    iShownGroupCount = 0;
    iPageCount = 0;
    iCurrentPage = 0;
    bBuilt = false;
    bVesselDetail = true;
    bShipDim = true;
    bNmeaBaudRate = true;
    bSrm = false;
    bEncryption = false;
    bAdvConfig = true;
    lstFirstPage.clear();
    lstSecondPage.clear();
}

void CAisConfigurationView::initUiObjCfgLayout()
{
    SCfgLayoutInfo& info = cfgLayoutInfo;
    if (info.bBuilt)
        return;
    info.reset();
    setCfgGroupFlags(&info, sensorConfig);

    // The groups in their fixed order, each with its flag.
    const std::pair<bool, QWidget*> groups[] = {
        {info.bVesselDetail, ui->wgCfgVesselDetail}, {info.bShipDim, ui->wgCfgShipDim},
        {info.bNmeaBaudRate, ui->wgCfgNmeaBaundRate}, {info.bSrm, ui->wgCfgSRM},
        {info.bEncryption, ui->wgCfgEncryption},       {info.bAdvConfig, ui->wgCfgAdvConfig},
    };
    for (const auto& [shown, group] : groups) {
        if (!shown)
            continue;
        if (info.lstFirstPage.size() < kGroupsPerPage)
            info.lstFirstPage.append(group);
        else if (info.lstSecondPage.size() < kGroupsPerPage)
            info.lstSecondPage.append(group);
    }
    if (info.iPageCount >= 2) {
        info.lstSecondPage.append(ui->wgCfgSpace);
        setCfgLayoutOrder(0);
    } else {
        setCfgLayoutOrder(-1);
    }
    ui->wgConfiguration->adjustSize();
    info.bBuilt = true;
}

void CAisConfigurationView::setCfgGroupFlags(SCfgLayoutInfo* info, const CSensorConfig* config)
{
    info->bSrm = TransponderText::srmSingle(*config) ||
                 (config->iSrmEnable > 0 && (config->iSrmBoxCount == 4 || config->iSrmBoxCount == 1));
    if (config->iEncryptionPresent > 0)
        info->bEncryption = true;
    const bool flags[] = {info->bVesselDetail, info->bShipDim, info->bNmeaBaudRate,
                          info->bSrm,          info->bEncryption, info->bAdvConfig};
    info->iShownGroupCount = 0;
    for (bool flag : flags)
        info->iShownGroupCount += flag ? 1 : 0;
    info->iPageCount = (info->iShownGroupCount + kGroupsPerPage - 1) / kGroupsPerPage;
}

void CAisConfigurationView::setCfgLayoutOrder(int page)
{
    takeAll(ui->gdLoCfgMainPage);
    takeAll(ui->gdLoCfgRightPage);
    takeAll(ui->gdLoCfgLeftPage);
    const SCfgLayoutInfo& info = cfgLayoutInfo;
    if (page == 0) {
        setCfgLayoutWidget(ui->gdLoCfgMainPage, info.lstFirstPage);
        setCfgLayoutWidget(ui->gdLoCfgRightPage, info.lstSecondPage);
        ui->wgCfgRightPage->setVisible(true);
        ui->wgCfgLeftPage->setVisible(false);
    } else if (page == 1) {
        const bool second = !info.lstSecondPage.isEmpty();
        if (second) {
            setCfgLayoutWidget(ui->gdLoCfgMainPage, info.lstSecondPage);
            setCfgLayoutWidget(ui->gdLoCfgLeftPage, info.lstFirstPage);
        }
        ui->wgCfgLeftPage->setVisible(second);
        ui->wgCfgRightPage->setVisible(false);
    } else {
        setCfgLayoutWidget(ui->gdLoCfgMainPage, info.lstFirstPage);
        ui->wgCfgRightPage->setVisible(false);
        ui->wgCfgLeftPage->setVisible(false);
    }
    for (QWidget* group : {ui->wgCfgVesselDetail, ui->wgCfgShipDim, ui->wgCfgNmeaBaundRate, ui->wgCfgSRM,
                           ui->wgCfgEncryption, ui->wgCfgAdvConfig, ui->wgCfgSpace})
        updateCfgGroupDisp(group);
    ui->wgConfiguration->adjustSize();
}

void CAisConfigurationView::setCfgLayoutWidget(QGridLayout* grid, QList<QWidget*> widgets)
{
    for (int i = 0; i < widgets.size() && i < kGroupsPerPage; ++i) {
        if (widgets[i] == nullptr)
            break;
        grid->addWidget(widgets[i], i / 2, i % 2);
    }
}

// A group taken out of the grids stays a child where it stood: one the layout does not place is
// hidden, whatever the record asks for, so no stale group shows over the placed ones.
void CAisConfigurationView::updateCfgGroupDisp(QWidget* group)
{
    const bool placed = ui->gdLoCfgMainPage->indexOf(group) >= 0 || ui->gdLoCfgRightPage->indexOf(group) >= 0 ||
                        ui->gdLoCfgLeftPage->indexOf(group) >= 0;
    group->setVisible(placed && isCfgGroupWanted(group));
}
