// Message boxes, the text table, the title bar, run-time texts and styling.
#include "AisConfigurationView.h"

#include "DialogProvider.h"
#include "palette/QtObjPalette.h"
#include "services/Singleton.h"
#include "theme/ObjPalette.h"
#include "ui_AisConfiguration.h"
#include "widgets/LibraryColor.h"
#include "widgets/LibraryImage.h"
#include "widgets/ModSatelliteMap.h"

#include <QObject>

namespace {

constexpr int kOrangeColorEntry = 4;
constexpr int kLogoKelvora = 2;
constexpr int kMainMenuHome = 0;
constexpr int kThemeFunHelp = 0;
constexpr int kSatelliteInView = 1;
constexpr int kSatelliteInUse = 2;
constexpr int kLedGray = 4;
constexpr int kReportFailed = 1;
constexpr int kGpsUpdateRateMax = 10;
constexpr int kNmea2000InstanceMax = 255;
constexpr int kWiFiChannelMax = 11;

LibraryImage& images()
{
    return *Pattern::Singleton<LibraryImage>::instance();
}

void refill(QComboBox* combo, const QStringList& items)
{
    combo->clear();
    combo->addItems(items);
}

QStringList numbered(int first, int last, const char* suffix)
{
    QStringList items;
    for (int value = first; value <= last; ++value)
        items << QString::number(value) + QLatin1String(suffix);
    return items;
}

} // namespace

CAisCfgViewWiFiText::CAisCfgViewWiFiText()
    : strUnknown(QObject::tr("Unknown")), strInformation(QObject::tr("Information")),
      strWarning(QObject::tr("Warning")), strAccessPoint(QObject::tr("Access Point")),
      strClient(QObject::tr("Client")), strAutoSelect(QObject::tr("Auto Select")),
      strSsidRequired(QObject::tr("The wireless network must have a name(SSID).")),
      strPasswordFormat(QObject::tr("Invalid password format.\n")),
      strPasswordLength(QObject::tr(
          "Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed.")),
      strInvalidChannel(QObject::tr("Invalid channel.")), strInvalidIpAddress(QObject::tr("Invalid IP address.")),
      strInvalidSubnetMask(QObject::tr("Invalid subnet mask.")),
      strInvalidPort(QObject::tr("Invalid port value.\nThe port range is from 0 to 65535.")),
      strInvalidWiFi(QObject::tr("InValid Wi-Fi")),
      strApplyingShort(QObject::tr("Applying Wi-Fi setting.\nPlease wait a moment.")),
      strApplyingLong(QObject::tr("Applying Wi-Fi setting.\nPlease wait around 1 minute.")),
      strLoading(QObject::tr("Loading Wi-Fi setting...")),
      strWiFiConfiguration(QObject::tr("Wi-Fi Configuration")),
      strPasswordTitle(QObject::tr("Input Wi-Fi password")),
      strPasswordPrompt(QObject::tr("Please input Wi-Fi password")),
      strConnectFail(QObject::tr("Connect fail.\nPlease try again!")),
      strFactoryResetTitle(QObject::tr("Wi-Fi Factory Reset")),
      strFactoryResetQuestion(
          QObject::tr("Factory Wi-Fi setting will be applied restored.\nDO you want to continue?")),
      strContinueQuestion(QObject::tr("Do you want to continue?")),
      strPowerSupply(QObject::tr(
          "Make sure your AIS device is supplied with a 12/24V DC power for performing Wi-Fi configuration.")),
      strDeterminingModule(QObject::tr(
          "Determining the Wi-Fi module. Please confirm AIS device is connected to a power supply.")),
      strQuitQuestion(QObject::tr("Wi-Fi setting is in progress!\nDo you want to force the application to quit?")),
      strSettingFail(QObject::tr("WiFi setting fail!\nPlease try again.")),
      strWiFiService(QObject::tr("Wi-Fi Service")), strProgramWiFi(QObject::tr("Program Wi-Fi Module"))
{
    // The four questions end with the common one, looked up first.
    strSwitchToClient = QObject::tr("You are about to switch to [Client] mode.\n") + strContinueQuestion;
    strSwitchToAccessPoint = QObject::tr("You are about to switch to [Access Point] mode.\n") + strContinueQuestion;
    strEnableWiFi = QObject::tr("Wi-Fi function will be enabled.\n") + strContinueQuestion;
    strDisableWiFi = QObject::tr("Wi-Fi function will be disabled.\n") + strContinueQuestion;
}

void CAisConfigurationView::showMsgBox(QWidget* parent, MSG_BOX_S kind, const QString& title, const QString& text,
                                       int firstButton, int secondButton)
{
    static const QMessageBox::Icon kIcons[] = {QMessageBox::Information, QMessageBox::Question,
                                               QMessageBox::Warning, QMessageBox::Critical};
    if (kind < MSG_BOX_INFORMATION || kind > MSG_BOX_CRITICAL)
        return;
    // Buttons may carry the old default and escape flags; the button asked to be the default
    // wins, else the first one.
    const int flags = QMessageBox::Default | QMessageBox::Escape;
    const auto first = static_cast<QMessageBox::StandardButton>(firstButton & ~flags);
    const auto second = static_cast<QMessageBox::StandardButton>(secondButton & ~flags);
    QMessageBox::StandardButtons buttons = first | second;
    if (buttons == QMessageBox::NoButton)
        buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = first != QMessageBox::NoButton ? first : QMessageBox::Ok;
    if ((secondButton & QMessageBox::Default) != 0 && second != QMessageBox::NoButton)
        defaultButton = second;
    CDialogProvider::instance()->messageBox(kIcons[kind], parent, title, text, buttons, defaultButton);
}

void CAisConfigurationView::updateBorderTitleDisp()
{
    ui->lblBorderTitleName->setText(strAppTitle);
    QtObjPalette::setWidgetBtnIcon(ui->btnBorderTitleLogo, images().getLogoImagePath(kLogoKelvora));
}

void CAisConfigurationView::updateUiObjText()
{
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
    strMmsiHelp = QObject::tr("MMSI - A unique nine digit number that identifies a particular ship or shore "
                              "station.\n\nThe MMSI can be programmed only once. Please contact your dealer if you "
                              "are unsure of your MMSI number.");
    strInvalidMmsiTip = QObject::tr("InvalidMMSITip");
    strDeviceConfirm = QObject::tr("DeviceConfirm");

    ui->btnBorderTitleLogo->setText(QString());
    updateBorderTitleDisp();

    ui->lblConntStatus->setText(strDisconnectTip);
    ui->btnMMHome->setText(QString());

    for (QLabel* more : {ui->lblHomeConfigurationMore, ui->lblHomeGPSStatusMore, ui->lblHomeDiagnosticsMore,
                         ui->lblHomeOtherVesselsMore, ui->lblHomeWiFiSetMore})
        more->setText(strMore);
    ui->lblHomeWiFiWaiting->setText(wifiText.strDeterminingModule);

    mmsiLabel.setText(QObject::tr("MMSI"));
    ui->imgCfgVslDim->setText(QString());

    buildShipTypeResource();
    ui->cbbxCfgVesselType->clear();
    for (const QString& text : shipTypeText)
        ui->cbbxCfgVesselType->addItem(text);

    strAdvMore = QObject::tr("More...");
    strAdvHide = QObject::tr("Hide...");
    ui->btnCfgAdvancedConfDisp->setText(ui->lblCfgTransceiver->isVisible() ? strAdvHide : strAdvMore);

    strOn = QObject::tr("ON");
    strOff = QObject::tr("OFF");
    refill(ui->cbbxCfgDscMonitoring, {strOff, strOn});
    refill(ui->cbbxCfgGpsUpdateRate, QStringList{strOff} + numbered(1, kGpsUpdateRateMax, "s"));
    refill(ui->cbbxCfgGpsMode, {QObject::tr("Altitude higher than 500m"), QObject::tr("At sea level")});
    refill(ui->cbbxCfgAlrSentence, {strOff, strOn});
    refill(ui->cbbxCfgNMEADevInst, numbered(0, kNmea2000InstanceMax, ""));

    strStartLog = QObject::tr("Start Log");
    strStopLog = QObject::tr("Stop Log");
    ui->btnEnableLog->setText(strStopLog);
    strPortUnavailable = QObject::tr("The selected serial port is not available.\nPlease choose a port and connect again.");

    ui->lblWiFiEnableTitle->setText(wifiText.strWiFiService);
    ui->btnWiFiCfgApply->setText(wifiText.strProgramWiFi);
    ui->lblWiFiWaiting->setText(wifiText.strApplyingShort);

    refill(ui->cbbxWifiCfgChannel, QStringList{wifiText.strAutoSelect} + numbered(1, kWiFiChannelMax, ""));

    ui->btnWiFiAdvConfigDisp->setText(ui->lblWiFiFactoryResetTitle->isVisible() ? strAdvHide : strAdvMore);
}

void CAisConfigurationView::updateUiObjPalette()
{
    Ui::AisConfiguration* f = ui;
    LibraryImage& image = images();

    ObjPalette::setWhiteThemeWgsStyle(f->centralWidget, itemDelegate);

    ObjPalette::setBorderTitleStyle(f->btnBorderTitleLogo, f->lblBorderTitleName);
    ObjPalette::setWinCtrlIconStyle(f->btnWinCtrlClose, 0xFFFFFFFF, ResourceImage::WG_WINCTRL_CLOSE);
    ObjPalette::setWinCtrlIconStyle(f->btnWinCtrlMin, 0xFFFFFFFF, ResourceImage::WG_WINCTRL_MINI);
    ObjPalette::setAboutIconStyle(f->btnThemeFunAbout);
    ObjPalette::setHelpIconStyle(f->btnThemeFunHelp);

    ObjPalette::setConntStatusLabelStyle(f->lblConntStatus, true);
    ObjPalette::setMainWidgetWhiteStyle(f->wgMain);
    // The Home entry has no caption (updateUiObjText empties it): its picture names it.
    ObjPalette::setMainMenuStyle(f->btnMMHome, image.getMainMenuImagePath(kMainMenuHome));
    for (QWidget* button : {static_cast<QWidget*>(f->btnMMConfiguration), static_cast<QWidget*>(f->btnMMGPSStatus),
                            static_cast<QWidget*>(f->btnMMDiagnostics), static_cast<QWidget*>(f->btnMMSerialData),
                            static_cast<QWidget*>(f->btnMMOtherVessels), static_cast<QWidget*>(f->btnMMWiFi)})
        ObjPalette::setMainMenuStyle(button, QString());

    // Home page.
    for (QWidget* panel : {f->wgHomeConfiguration, f->wgHomeDiagnostics, f->wgHomeOtherVessels, f->wgHomeWiFi})
        ObjPalette::setGroupStyle(panel, true);
    ObjPalette::setHomeSatelliteGroupStyle(f->wgHomeGPSStatus);
    for (QWidget* title :
         {static_cast<QWidget*>(f->btnHomeConfiguration), static_cast<QWidget*>(f->btnHomeSatelliteStatus),
          static_cast<QWidget*>(f->btnHomeDiagnostics), static_cast<QWidget*>(f->btnHomeOtherVessels),
          static_cast<QWidget*>(f->btnHomeWiFi)})
        ObjPalette::setHomeTitleStyle(title);
    for (QWidget* more : {f->lblHomeConfigurationMore, f->lblHomeGPSStatusMore, f->lblHomeDiagnosticsMore,
                          f->lblHomeOtherVesselsMore, f->lblHomeWiFiSetMore})
        ObjPalette::setHomeMoreLabelStyle(more);
    QtObjPalette::setWidgetTransparentStyle(f->gpvwHomeSatelliteMap, STYLE_SHEET_COVER_SELF);
    for (QWidget* value : {f->lblHomeShipName, f->lblHomeCallSign, f->lblHomeMmsi, f->lblHomeVesselType,
                           f->lblHomeProductSNValue, f->lblHomeProductFVValue, f->lblHomeVSWRValue})
        ObjPalette::setBoldTextStyle(value, true);
    ObjPalette::setOtherVesselStyle(f->tbvwHomeOtherVessels, QString(), WG_COLOR_TONE_DEFAULT);
    if (skyMapHome != nullptr)
        skyMapHome->updateUiObjPalette();
    ObjPalette::setLabelColor(f->lblHomeWiFiWaiting,
                              Pattern::Singleton<LibraryColor>::instance()->color(kOrangeColorEntry).currentRgb());

    // Configuration page.
    ObjPalette::setCfgSubPageContentStyle(f->wgScaContentsRightPage, false);
    ObjPalette::setCfgSubPageContentStyle(f->wgScaContentsLeftPage, false);
    ObjPalette::setCfgSubPageIcon(f->lblCfgLeftArrow, true, true);
    ObjPalette::setCfgSubPageIcon(f->lblCfgRightArrow, false, true);
    ObjPalette::setGroupStyle(f->wgConfiguration, false);
    for (QWidget* title : {f->wgCfgVslDetailTitle, f->wgCfgNmeaBaudRateTitle, f->wgCfgShipDimTitle,
                           f->wgCfgAdvConfigTitle, f->wgCfgEncryptionTitle, f->wgCfgSRMTitle})
        ObjPalette::setCornerTitleColorToneStyle(title, QString(), WG_COLOR_TONE_GREY);
    ObjPalette::setPushBtnColorToneStyle(f->btnCfgAdvancedConfDisp, QString(), WG_COLOR_TONE_ROYAL);
    f->btnCfgAdvancedConfDisp->setCursor(Qt::PointingHandCursor);
    ObjPalette::setConfigVslDimStyle(f->imgCfgVslDim);
    ObjPalette::setWidgetIconStyle(f->btnMmsiHelp, image.getThemeFunImagePath(kThemeFunHelp));
    ObjPalette::setNormalTitleStyle(f->lblCfgTransceiver);

    // GPS Status page.
    ObjPalette::setSatelliteStatusStyle(f->wgGPSStatus);
    ObjPalette::setSatelliteMapStyle(f->gpvwSatelliteMap);
    for (QWidget* text : {f->lblSatelliteFixText, f->lblSatelliteUtcText, f->lblSatelliteLatText,
                          f->lblSatelliteLonText, f->lblSatelliteCogText, f->lblSatelliteSogText,
                          f->lblSatelliteHdopText})
        ObjPalette::setBoldTextStyle(text, false);
    QtObjPalette::setWidgetLblIcon(f->imgSatelliteInView, image.getSatelliteImagePath(kSatelliteInView));
    QtObjPalette::setWidgetLblIcon(f->imgSatelliteInUse, image.getSatelliteImagePath(kSatelliteInUse));
    QtObjPalette::setWidgetTransparentStyle(f->gpvwSatelliteMap, STYLE_SHEET_COVER_SELF);
    if (skyMapGps != nullptr)
        skyMapGps->updateUiObjPalette();

    // Other Vessels page.
    ObjPalette::setGroupStyle(f->wgOtherVessels, false);
    ObjPalette::setOtherVesselStyle(f->tbvwOtherVessels, QString(), WG_COLOR_TONE_DEFAULT);

    // Diagnostics page: lamps grey and checks failed until the first display.
    ObjPalette::setGroupStyle(f->wgDiagDiagnosisCheck, false);
    for (QWidget* title : {f->wgDiagSysCheckTitle, f->wgDiagStatisticsTitle, f->wgDiagStatusTitle,
                           f->wgDiagInterDataTitle})
        ObjPalette::setCornerTitleColorToneStyle(title, QString(), WG_COLOR_TONE_GREY);
    for (QLabel* lamp :
         {f->imgDiagStatusPowerOk, f->imgDiagStatusTxTimeout, f->imgDiagStatusError, f->imgDiagStatusSilentMode})
        QtObjPalette::setWidgetLblIcon(lamp, image.getLedImagePath(0, kLedGray));
    for (QLabel* check : {f->imgDiagCheckMmsi, f->imgDiagCheckExtPwr, f->imgDiagCheckAisAnte, f->imgDiagCheckGpsFix,
                          f->imgDiagCheckAisRxPos, f->imgDiagCheckAisTxPos})
        QtObjPalette::setWidgetLblIcon(check, image.getReportStatusImagePath(kReportFailed));
    for (QWidget* value : {f->lblDiagProductSNValue, f->lblDiagProductFVValue, f->lblDiagVSWRValue,
                           f->lblDiagRxChAValue, f->lblDiagRxChBValue, f->lblDiagTxChAValue, f->lblDiagTxChBValue})
        ObjPalette::setBoldTextStyle(value, true);
    ObjPalette::setGenerateReportBtnStyle(f->btnDiagGenerateReport);

    // Serial Data page.
    ObjPalette::setTextEditWhiteStyle(f->txbwSerialRx);

    // Wi-Fi page.
    ObjPalette::setInfoGroupStyle(f->wgWiFiStatus);
    ObjPalette::setBoldTextStyle(f->lblHomeWiFiModeValue, true);
    ObjPalette::setBoldTextStyle(f->lblHomeWiFiFirmwareVerValue, true);
    for (QWidget* group : {f->wgWiFiMode, f->wgWifiConfiguration, f->wgWiFiAdvConfig})
        ObjPalette::setGroupStyle(group, false);
    for (QWidget* title : {f->wgWiFiModeTitle, f->wgWiFiCfgTitle, f->wgWiFiAdvConfigTitle}) {
        ObjPalette::setCornerTitleColorToneStyle(title, QString(), WG_COLOR_TONE_GREY);
        // A title bar keeps its own height; the group's room goes to what it holds.
        title->setSizePolicy(title->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    }
    // The advanced group's rows are folded away at first: its title stays at the top.
    f->gridLayout_41->setAlignment(f->wgWiFiAdvConfigTitle, Qt::AlignTop);
    ObjPalette::setPushBtnColorToneStyle(f->btnWiFiAdvConfigDisp, QString(), WG_COLOR_TONE_ROYAL);
    f->btnWiFiAdvConfigDisp->setCursor(Qt::PointingHandCursor);
}
