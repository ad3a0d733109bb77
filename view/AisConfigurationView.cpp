// The view's construction and one-time widget set-up.
#include "AisConfigurationView.h"

#include "comm/CommProfile.h"
#include "services/Singleton.h"
#include "theme/ObjPalette.h"
#include "widgets/LibraryColor.h"
#include "widgets/LibraryImage.h"
#include "widgets/ModSatelliteMap.h"
#include "widgets/WgSelectorSwitch.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kCfgArrowPx = 32;               // the side panels' arrow pictures
constexpr QSize kVesselPictureSize(220, 104); // the vessel-dimension picture
constexpr int kDimSpinBoxPx = 104;            // two 26 px buttons and three bold digits

// The layout under root, nested ones included, that holds the widget.
QLayout* layoutOf(QLayout* root, QWidget* widget)
{
    if (root == nullptr)
        return nullptr;
    if (root->indexOf(widget) >= 0)
        return root;
    for (int i = 0; i < root->count(); ++i) {
        if (QLayout* found = layoutOf(root->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

// Takes a widget out of the layout of its parent that holds it, so that it can go into another
// without Qt's "already in a layout" warning.
void takeOutOfLayout(QWidget* widget)
{
    QWidget* parent = widget->parentWidget();
    if (parent == nullptr)
        return;
    if (QLayout* layout = layoutOf(parent->layout(), widget))
        layout->removeWidget(widget);
}

void setTextRule(QLineEdit* edit, int maxLength, const char* pattern)
{
    edit->setMaxLength(maxLength);
    if (pattern != nullptr)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), edit));
}

// Table views that only show: whole rows, one at a time, no editing.
void setShowOnlyRows(QTableView* table)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
}

} // namespace

CAisConfigurationView::CAisConfigurationView(Ui::AisConfiguration* form, CSensorConfig* config, CWiFiConfig* wifi)
    : ui(form), sensorConfig(config), wifiConfig(wifi)
{
    initUiObjDisp();
    updateUiObjPalette();
    updateUiObjText();
    refreshSerialPortDisp(true);
    updateAisAdvConfigDisp(false);
    updateWiFiAdvConfigDisp(false);
}

CAisConfigurationView::~CAisConfigurationView()
{
    delete skyMapGps;
    skyMapGps = nullptr;
    delete wifiEnableSwitch;
    wifiEnableSwitch = nullptr;
}

void CAisConfigurationView::initUiObjDisp()
{
    // Title bar: window controls at the left, logo and title centred between two spacers, and an
    // empty block as wide as the controls at the right.
    auto* border = qobject_cast<QBoxLayout*>(ui->wgFormBorder->layout());
    border->setContentsMargins(0, 0, 0, 0);
    ui->wgFormBorderEmpty->setFixedWidth(158);
    QSpacerItem* spacers[2] = {ui->horizontalSpacer, ui->horizontalSpacer_2};
    QWidget* const titleWidgets[] = {ui->wgFormBorderEmpty, ui->wgWinCtrlClose, ui->wgWinCtrlMin,
                                     ui->wgThemeFunAbout,   ui->wgThemeFunHelp, ui->btnBorderTitleLogo,
                                     ui->lblBorderTitleName};
    for (QWidget* widget : titleWidgets)
        border->removeWidget(widget);
    for (QSpacerItem* spacer : spacers)
        border->removeItem(spacer);
    border->addWidget(ui->wgWinCtrlClose);
    border->addWidget(ui->wgWinCtrlMin);
    border->addWidget(ui->wgThemeFunAbout);
    border->addWidget(ui->wgThemeFunHelp);
    border->addItem(spacers[0]);
    border->addWidget(ui->btnBorderTitleLogo);
    border->addWidget(ui->lblBorderTitleName);
    border->addItem(spacers[1]);
    border->addWidget(ui->wgFormBorderEmpty);

    // Connection bar: the view's own port list in place of the form's.
    ui->cbbxConntSerialPort->hide();
    portComboBox.setFixedSize(450, 25);
    ui->loConntSerialPort->addWidget(&portComboBox);
    portComboBox.setParent(ui->wgComm);
    ui->btnCommConnt->setCheckable(true);

    // Home screen: the Home content moves out of the page stack into wgMainContent.
    auto* homeLayout = new QVBoxLayout(ui->wgMainContent);
    homeLayout->setContentsMargins(0, 0, 0, 0);
    homeLayout->setSpacing(0);
    takeOutOfLayout(ui->wgMainHome);
    homeLayout->addWidget(ui->wgMainHome);
    ui->lblHomeVSWR->hide();
    ui->lblHomeVSWRValue->hide();
    ui->tbvwHomeOtherVessels->setEnabled(false);
    ui->gpvwHomeSatelliteMap->setEnabled(false);
    ui->wgHomeWiFi->hide();
    ui->btnMMWiFi->hide();
    ui->tbwgMain->tabBar()->hide();
    ui->tbwgMain->hide();
    ui->wgMainContent->show();
    ui->wgMainMenu->hide();
    QTableView* homeVessels = ui->tbvwHomeOtherVessels;
    homeVessels->setSortingEnabled(true);
    homeVessels->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    homeVessels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowOnlyRows(homeVessels);
    homeVessels->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    homeVessels->horizontalHeader()->setStretchLastSection(true);
    homeVessels->horizontalHeader()->setVisible(true);
    homeVessels->horizontalHeader()->setHighlightSections(false);

    // Configuration page.
    ui->wgCfgRightPage->setFixedWidth(110);
    ui->wgCfgLeftPage->setFixedWidth(110);
    // The arrows are drawn into their labels, which have no text to give them a size.
    ui->lblCfgRightArrow->setFixedWidth(kCfgArrowPx);
    ui->lblCfgLeftArrow->setFixedWidth(kCfgArrowPx);
    // The vessel picture is a centred background: its label must be as large as the picture.
    ui->imgCfgVslDim->setMinimumSize(kVesselPictureSize);
    ui->scaCfgRightPage->setEnabled(false);
    ui->scaCfgLeftPage->setEnabled(false);
    QWidget* const clickFocus[] = {ui->edtCfgShipName, ui->edtCfgCallSign, ui->edtCfgMmsi,    ui->spbxCfgVslDimA,
                                   ui->spbxCfgVslDimB, ui->spbxCfgVslDimC, ui->spbxCfgVslDimD};
    for (QWidget* widget : clickFocus)
        widget->setFocusPolicy(Qt::ClickFocus);
    setTextRule(ui->edtCfgShipName, 20, "^[ -~]+$");
    setTextRule(ui->edtCfgCallSign, 7, "^[ -~]+$");
    setTextRule(ui->edtCfgMmsi, 9, "^[0-9]+$");
    ui->spbxCfgVslDimA->setRange(0, 511);
    ui->spbxCfgVslDimB->setRange(0, 511);
    ui->spbxCfgVslDimC->setRange(0, 63);
    ui->spbxCfgVslDimD->setRange(0, 63);
    // A button at each end, the value between them: room for three digits.
    for (QSpinBox* spin : {ui->spbxCfgVslDimA, ui->spbxCfgVslDimB, ui->spbxCfgVslDimC, ui->spbxCfgVslDimD})
        spin->setMinimumWidth(kDimSpinBoxPx);
    auto* srmValidator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[ -~]+$")), ui->edtCfgSRMText0);
    for (QLineEdit* srm : {ui->edtCfgSRMText0, ui->edtCfgSRMText1, ui->edtCfgSRMText2, ui->edtCfgSRMText3}) {
        srm->setMaxLength(16);
        srm->setValidator(srmValidator);
    }
    setTextRule(ui->edtCfgEncryptionCode, 16, "^[!-~]+$");
    setTextRule(ui->edtCfgEncryptionMMSI, 9, "^[0-9]+$");
    ui->lblCfgMmsi->hide();
    ui->loCfgMmsi->addWidget(&mmsiLabel);
    // The port rates the transponder offers: 38400, 9600 and 4800 (indices 2, 4 and 5).
    constexpr unsigned kOfferedRates = 52;
    QStringList rates;
    for (int index = 0; index < 6; ++index) {
        if ((kOfferedRates & (1u << index)) != 0)
            rates << QString::asprintf("%d", COMM::GetBaudRate(static_cast<uint32_t>(index)));
    }
    for (QComboBox* combo :
         {ui->cbbxCfgNmea1Input, ui->cbbxCfgNmea1Output, ui->cbbxCfgNmea2Input, ui->cbbxCfgNmea2Output}) {
        combo->clear();
        combo->addItems(rates);
    }
    // The lists take the larger share of the advanced rows, so that the longest GPS mode is shown
    // whole in whichever column the group lands.
    if (auto* transceiver = qobject_cast<QGridLayout*>(ui->wgCfgTransceiver->layout())) {
        for (int column = 0; column < 4; ++column)
            transceiver->setColumnStretch(column, column < 2 ? 2 : 3);
    }
    ui->lblCfgTransceiver->hide();
    ui->chbxCfgMsg27->setCheckable(true);
    ui->chbxCfgMsg27->hide();
    ui->cbbxCfgNMEADevInst->hide();
    ui->lblCfgNMEADevInst->hide();

    // GPS Status page.
    snrHistogram.setMaxValue(50);
    const std::string mapPath = Pattern::Singleton<LibraryImage>::instance()->getSatelliteImagePath(0).toStdString();
    skyMapGps = new ModSatelliteMap(ui->gpvwSatelliteMap, 10, mapPath);
    skyMapHome = new ModSatelliteMap(ui->gpvwHomeSatelliteMap, 10, mapPath);
    skyMapGps->initSizeInfo(ui->gpvwSatelliteMap->height());
    ui->gpvwSatelliteMap->setScene(skyMapGps);
    ui->gpvwHomeSatelliteMap->setScene(skyMapHome);
    ui->loSatelliteSNR->addWidget(&snrHistogram);
    // The chart has no height of its own: without one the sky map's row takes the whole page.
    snrHistogram.setMinimumHeight(220);

    // Other Vessels page.
    QTableView* vessels = ui->tbvwOtherVessels;
    vessels->setSortingEnabled(true);
    setShowOnlyRows(vessels);
    vessels->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    vessels->horizontalHeader()->setDefaultSectionSize(100);
    vessels->verticalHeader()->setDefaultSectionSize(30);
    vessels->horizontalHeader()->setStretchLastSection(true);
    vessels->horizontalHeader()->setVisible(true);
    vessels->horizontalHeader()->setHighlightSections(false);
    vessels->setItemDelegate(&itemDelegate);

    // Diagnostics page: no VSWR value and no antenna check.
    ui->lblDiagVSWR->hide();
    ui->lblDiagVSWRValue->hide();
    ui->lblDiagCheckAisAnte->hide();
    ui->imgDiagCheckAisAnte->hide();

    // Serial Data page.
    ui->wgMsgRecord->hide();
    ui->edtSendCommand->setMaxLength(256);
    ui->txbwSerialRx->setReadOnly(true);
    ui->txbwSerialRx->setEnabled(false);

    // Wi-Fi page.
    ui->btnWiFiEnableSwitchTemp->hide();
    wifiEnableSwitch = new WgSelectorSwitch();
    wifiEnableSwitch->setCaption(QStringLiteral("OFF"), QStringLiteral("ON"));
    wifiEnableSwitch->setFixedWidth(135);
    ui->loWiFiEnableSwitch->addWidget(wifiEnableSwitch);
    wifiModeGroup.addButton(ui->rdbWiFiAccessPoint);
    wifiModeGroup.addButton(ui->rdbWiFiClient);
    ui->wgWiFiCfgClientList->hide();
    ui->wgWiFiCfgWaiting->show();
    ui->pgbWiFiCfg->setRange(0, 0);
    ui->pgbWiFiCfg->setTextVisible(false);
    setTextRule(ui->edtWifiCfgSSID, 32, "^[ -~]+$");
    setTextRule(ui->edtWiFiCfgPassword, 32, "^[ -~]+$");
    ui->edtWifiCfgIPAddress->setInputMask(QStringLiteral("000.000.000.000;"));
    ui->edtWifiCfgSubnetMask->setInputMask(QStringLiteral("000.000.000.000;"));
    setTextRule(ui->edtWiFiCfgPort, 5, "^[0-9]+$");
    QTableView* accessPoints = ui->tbvwWiFiCfgClient;
    accessPoints->setSortingEnabled(false);
    setShowOnlyRows(accessPoints);
    accessPoints->setShowGrid(false);
    accessPoints->setIconSize(QSize(96, 32));
    accessPoints->verticalHeader()->hide();
    accessPoints->horizontalHeader()->hide();
    accessPoints->horizontalHeader()->setHighlightSections(true);
    accessPoints->setItemDelegate(&itemDelegate);
}

void CAisConfigurationView::buildShipTypeResource()
{
    struct SShipType
    {
        int code;
        const char* text;
    };
    static const SShipType kShipTypes[kShipTypeCount] = {
        {20, "20 = WIG"},
        {30, "30 = Vessel-Fishing"},
        {31, "31 = Vessel-Towing"},
        {32, "32 = Vessel-Tow>200m,breadth>25m"},
        {33, "33 = Vessel-Dredge,Underwater OP"},
        {34, "34 = Vessel-Diving OP"},
        {35, "35 = Vessel-Military OP"},
        {36, "36 = Vessel-Sailing"},
        {37, "37 = Vessel-Pleasure craft"},
        {40, "40 = HSC"},
        {50, "50 = Pilot vessel"},
        {51, "51 = Search & rescue vessel"},
        {52, "52 = Tug"},
        {53, "53 = Port tender"},
        {54, "54 = Anti-pollution vessel"},
        {55, "55 = Law enforcement vessel"},
        {58, "58 = Medical transport"},
        {59, "59 = Resolution 18(Mob-83)"},
        {60, "60 = Passenger ship"},
        {70, "70 = Cargo ship"},
        {80, "80 = Tanker"},
    };
    for (int i = 0; i < kShipTypeCount; ++i) {
        shipTypeCode[i] = kShipTypes[i].code;
        shipTypeText[i] = QObject::tr(kShipTypes[i].text);
    }
}

void CAisConfigurationView::updateAisAdvConfigDisp(bool show)
{
    ui->btnCfgAdvancedConfDisp->setText(show ? strAdvHide : strAdvMore);
    QWidget* const rows[] = {ui->lblCfgTransceiver,   ui->lblCfgDscMonitoring,  ui->cbbxCfgDscMonitoring,
                             ui->lblCfgGpsUpdateRate, ui->cbbxCfgGpsUpdateRate, ui->lblCfgGpsMode,
                             ui->cbbxCfgGpsMode,      ui->lblCfgAlrSentence,    ui->cbbxCfgAlrSentence};
    for (QWidget* row : rows)
        row->setVisible(show);
    ui->chbxCfgMsg27->setVisible(show && machineInfo.eMachineType == MACHINE_TYPE_T_275);
}

void CAisConfigurationView::updateWiFiAdvConfigDisp(bool show)
{
    const bool wlanEnabled = wifiConfig != nullptr && wifiConfig->getCmdProcData().data.bWlanEnable;
    const CColor& title = Pattern::Singleton<LibraryColor>::instance()->color(wlanEnabled ? 32 : 0);
    ObjPalette::setLabelColor(ui->lblWiFiEnableTitle, title.currentRgb());
    ui->btnWiFiAdvConfigDisp->setText(show ? strAdvHide : strAdvMore);
    ui->lblWiFiFactoryResetTitle->setVisible(show);
    ui->btnWiFiFactoryReset->setVisible(show);
    ui->wgWiFiAdvConfigModeEnable->setVisible(show);
}

void CAisConfigurationView::switchHomeMenuDisp(bool home)
{
    ui->tbwgMain->setVisible(!home);
    ui->wgMainContent->setVisible(home);
    ui->wgMainMenu->setVisible(!home);
}

void CAisConfigurationView::init()
{}
