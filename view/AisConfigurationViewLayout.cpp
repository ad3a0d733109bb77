// The Configuration page's groups, four to a page.
#include "AisConfigurationView.h"

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

void CAisConfigurationView::initUiObjCfgLayout() {}

void CAisConfigurationView::setCfgGroupFlags(SCfgLayoutInfo*, const CSensorConfig*) {}

void CAisConfigurationView::setCfgLayoutOrder(int) {}

void CAisConfigurationView::setCfgLayoutWidget(QGridLayout*, QList<QWidget*>) {}
