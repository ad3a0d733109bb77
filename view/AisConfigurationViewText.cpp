// Message boxes, the text table, the title bar, run-time texts and styling.
#include "AisConfigurationView.h"

CAisCfgViewWiFiText::CAisCfgViewWiFiText() {}

void CAisConfigurationView::showMsgBox(QWidget*, MSG_BOX_S, const QString&, const QString&, int, int) {}

void CAisConfigurationView::updateBorderTitleDisp() {}

void CAisConfigurationView::updateUiObjText() {}

void CAisConfigurationView::updateUiObjPalette() {}
