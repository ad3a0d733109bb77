// Start-up of the main window: its parts, translations, settings and wiring.
#include "AisConfiguration.h"

#include "AboutForm.h"
#include "device/CommSpaceManage.h"
#include "services/PortalTime.h"
#include "services/SysConfig.h"
#include "services/SysDebug.h"
#include "view/TargetExchangeSet.h"
#include "widgets/WgSelectorSwitch.h"

#include "ui_AisConfiguration.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QSettings>
#include <QSignalMapper>
#include <QTimer>
#include <QTranslator>
#include <exception>

namespace {

constexpr int kRefreshMs = 1000;
constexpr const char* kAppTranslation = ":/Translations/Languages/AisConfiguration_en.qm";
constexpr const char* kNoticeTranslation = ":/Translations/Languages/CopyRight_en.qm";

// The Home table shows MMSI, ship's name, call sign, range and bearing of the Other Vessels columns.
constexpr int kHomeHiddenColumns[] = {3, 4, 5, 6, 7, 10};
constexpr int kAccessPointColumnWidths[] = {36, 36, 194, 96, 36};

} // namespace

AisConfiguration::AisConfiguration(QWidget* parent) : QMainWindow(parent), ui(new Ui::AisConfiguration)
{
    SYS_DEBUG(DEBUG_MSG_INFO, "Main Start");
    ui->setupUi(this);
    setFixedSize(1000, 720);
    try {
        m_commManage = new CCommSpaceManage(this);
        CDeviceComm* device = m_commManage->getDeviceComm();
        m_view =
            new CAisConfigurationView(ui, device->getSentenceHandle()->getDisplayedConfig(), device->getWiFiConfig());
        m_targetModel = new CTargetExchangeSet();
        m_refreshTimer = new QTimer(this);
    } catch (const std::exception& failure) {
        SYS_DEBUG(DEBUG_MSG_CRITICAL, "%s", failure.what());
        // Every later step needs these parts.
        throw;
    }
    connect(m_refreshTimer, &QTimer::timeout, this, &AisConfiguration::onTimerRefresh);
    m_refreshTimer->setInterval(kRefreshMs);
    m_refreshTimer->start();
    initUiObj();
    initForm();
    m_aboutForm->updateUiDisp();
    updateUiText();
    enableConfigDisp();
    configureWgConnections();
    connect(m_commManage, SIGNAL(signalCommConntReady()), this, SLOT(onStartupReady()), Qt::QueuedConnection);
    m_commManage->initCommSpaceTh();
    readAllProfileIni();
    m_windowReady = true;
    ui->btnHomeWiFi->setVisible(true);
}

long long AisConfiguration::nowSeconds()
{
    return Portal::Time::Clock::wallMsecs() / 1000;
}

void AisConfiguration::onStartupReady()
{
    qRegisterMetaType<QString>("QStringLog");
    CDeviceComm* device = m_commManage->getDeviceComm();
    connect(device->getSentenceHandle(), SIGNAL(signalRxLogMsg(void*, QString)), this,
            SLOT(onCommRxLogMsg(void*, QString)));
    connect(device, SIGNAL(signalRxLogMsg(void*, QString)), this, SLOT(onCommRxLogMsg(void*, QString)));
}

void AisConfiguration::initUiObj()
{
    m_mainMenuGroup = new QButtonGroup(ui->wgMainMenu);
    QAbstractButton* const menu[] = {ui->btnMMHome,        ui->btnMMConfiguration, ui->btnMMGPSStatus,
                                     ui->btnMMDiagnostics, ui->btnMMOtherVessels,  ui->btnMMSerialData,
                                     ui->btnMMWiFi};
    for (int id = 0; id < 7; ++id) {
        menu[id]->setCheckable(true);
        m_mainMenuGroup->addButton(menu[id], id);
    }
    ui->btnMMHome->setChecked(true);
    m_homeMenuGroup = new QButtonGroup(ui->tabMainHome);
    m_homeMenuGroup->addButton(ui->btnHomeConfiguration, 1);
    m_homeMenuGroup->addButton(ui->btnHomeSatelliteStatus, 2);
    m_homeMenuGroup->addButton(ui->btnHomeDiagnostics, 3);
    m_homeMenuGroup->addButton(ui->btnHomeOtherVessels, 4);
    m_homeMenuGroup->addButton(ui->btnHomeWiFi, 6);

    ui->tbvwHomeOtherVessels->setModel(m_targetModel->sortProxy());
    setOtherVesselsColumnWidth(ui->tbvwHomeOtherVessels);
    for (int column : kHomeHiddenColumns)
        ui->tbvwHomeOtherVessels->hideColumn(column);
    ui->gpvwHomeSatelliteMap->installEventFilter(this);
    ui->tbvwOtherVessels->setModel(m_targetModel->sortProxy());
    setOtherVesselsColumnWidth(ui->tbvwOtherVessels);
    ui->tbvwWiFiCfgClient->setModel(m_apModel.sortProxy());
    for (int column = 0; column < static_cast<int>(std::size(kAccessPointColumnWidths)); ++column)
        ui->tbvwWiFiCfgClient->setColumnWidth(column, kAccessPointColumnWidths[column]);
}

void AisConfiguration::initForm()
{
    if (m_aboutForm == nullptr)
        m_aboutForm = new CAboutForm(this);
}

void AisConfiguration::updateUiText()
{
    switchLanguageType(0);
    m_view->updateUiObjText();
    m_aboutForm->updateUiText(m_view->strAppTitle);
}

void AisConfiguration::configureWgConnections()
{
    connect(ui->btnWinCtrlClose, &QToolButton::clicked, this, &AisConfiguration::onClose);
    connect(ui->btnWinCtrlMin, &QToolButton::clicked, this, &AisConfiguration::onMinimized);
    connect(ui->btnThemeFunAbout, &QToolButton::clicked, this, &AisConfiguration::onAboutClick);
    connect(ui->btnThemeFunHelp, &QToolButton::clicked, this, &AisConfiguration::onHelpClick);
    connect(ui->btnDiagGenerateReport, &QPushButton::clicked, this, &AisConfiguration::onGenerateCfgReport);
    connect(&m_view->portComboBox, &WgComboBox::signalShowPopup, this, &AisConfiguration::onRefreshSerialPortDisp);
    connect(ui->btnCommConnt, &QPushButton::clicked, this, &AisConfiguration::onCommConntStatusChange);
    connect(m_commManage, &CCommSpace::signalCommDataSaved, this, &AisConfiguration::onConntSaved);
    connect(m_commManage, &CCommSpace::signalCommDataDeleted, this, &AisConfiguration::onConntDeleted);

    // Both menus select pages by id through one mapper.
    auto* mapper = new QSignalMapper(this);
    connect(mapper, SIGNAL(mapped(int)), this, SLOT(onMainMenuSwitch(int)));
    for (QButtonGroup* group : {m_mainMenuGroup, m_homeMenuGroup}) {
        for (QAbstractButton* button : group->buttons()) {
            connect(button, SIGNAL(clicked()), mapper, SLOT(map()));
            mapper->setMapping(button, group->id(button));
        }
    }

    connect(ui->edtCfgShipName, &QLineEdit::textChanged, this, &AisConfiguration::onShipNameToUpper);
    connect(ui->edtCfgCallSign, &QLineEdit::textChanged, this, &AisConfiguration::onCallSignToUpper);
    connect(&m_view->mmsiLabel, &WgLabel::signalDoubleClicked, this, &AisConfiguration::onLabelMmsiDoubleClick);
    connect(ui->btnMmsiHelp, &QToolButton::clicked, this, &AisConfiguration::onMmsiHelpClick);
    connect(ui->btnCfgAdvancedConfDisp, &QPushButton::clicked, this, &AisConfiguration::onCfgAdvConfigChanged);
    connect(ui->btnCfgProgramDev, &QPushButton::clicked, this, &AisConfiguration::onCfgProgramDev);
    connect(ui->chbxEncryptionModeEnable, &QCheckBox::stateChanged, this, &AisConfiguration::onEncryptionModeEnable);
    connect(ui->chbxEncryptionAddressMode, &QCheckBox::stateChanged, this, &AisConfiguration::onEncryptionAddressMode);
    for (QLineEdit* srm : {ui->edtCfgSRMText0, ui->edtCfgSRMText1, ui->edtCfgSRMText2, ui->edtCfgSRMText3})
        connect(srm, &QLineEdit::textEdited, this, &AisConfiguration::onSRMTxtEdited);
    connect(ui->btnDiagRefresh, &QPushButton::clicked, this, &AisConfiguration::onRefreshDiagnostics);
    connect(ui->btnEnableLog, &QPushButton::clicked, this, &AisConfiguration::onEnableLogSwitch);
    connect(ui->btnClearLog, &QPushButton::clicked, this, &AisConfiguration::onClearLog);
    connect(ui->btnSaveToFile, &QPushButton::clicked, this, &AisConfiguration::onSaveLog);
    connect(ui->btnSendCommand, &QPushButton::clicked, this, &AisConfiguration::onSendCommand);
    connect(m_view->wifiEnableSwitch, &WgSelectorSwitch::signalClick, this, &AisConfiguration::onWiFiEnable);
    connect(ui->rdbWiFiAccessPoint, &QRadioButton::clicked, this, &AisConfiguration::onWiFiOPModeChange);
    connect(ui->rdbWiFiClient, &QRadioButton::clicked, this, &AisConfiguration::onWiFiOPModeChange);
    connect(ui->btnWiFiCfgApply, &QPushButton::clicked, this, &AisConfiguration::onWiFiCfgApply);
    connect(ui->chbxWiFiCfgPasswordNone, &QCheckBox::stateChanged, this, &AisConfiguration::onWiFiCfgPassWordChange);
    connect(ui->btnWiFiFactoryReset, &QPushButton::clicked, this, &AisConfiguration::onFactoryReset);
    connect(ui->btnWiFiCfgClientRefresh, &QPushButton::clicked, this, &AisConfiguration::onClientRefresh);
    connect(ui->tbvwWiFiCfgClient, &QTableView::doubleClicked, this, &AisConfiguration::onClientAPCntDoubleClick);
    connect(ui->tbvwWiFiCfgClient, &QTableView::clicked, this, &AisConfiguration::onGetClintAPListData);
    connect(ui->btnWiFiAdvConfigDisp, &QPushButton::clicked, this, &AisConfiguration::onWiFiAdvConfigChanged);
}

void AisConfiguration::readAllProfileIni()
{
    QSettings settings(Pattern::Singleton<SysConfig>::instance()->GetProfileIniUrl(), QSettings::IniFormat);
    m_envSetup.readProfileIni(&settings);
}

void AisConfiguration::switchLanguageType(int)
{
    // English is the only language.
    for (QTranslator* translator : {m_appTranslator, m_noticeTranslator}) {
        if (translator != nullptr)
            QCoreApplication::removeTranslator(translator);
    }
    if (m_appTranslator == nullptr)
        m_appTranslator = new QTranslator();
    if (m_noticeTranslator == nullptr)
        m_noticeTranslator = new QTranslator();
    // A file that does not load leaves its translator empty: the keys then show as they are.
    if (!m_appTranslator->load(QString::fromLatin1(kAppTranslation)))
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "%s is missing", kAppTranslation);
    if (!m_noticeTranslator->load(QString::fromLatin1(kNoticeTranslation)))
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "%s is missing", kNoticeTranslation);
    QCoreApplication::installTranslator(m_appTranslator);
    QCoreApplication::installTranslator(m_noticeTranslator);
}

void AisConfiguration::enableConfigDisp()
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CAisSentenceHandle* handle = device->getSentenceHandle();
    const CWiFiConfig* wifi = device->getWiFiConfig();
    const bool module = handle->getDisplayedConfig()->bWiFiModule;
    const bool powerConfirmed = wifi->m_powerConfirmed != 0;
    const bool firstQueryDone = wifi->m_settingsReadOnce != 0;
    const bool wifiVisible = module && powerConfirmed;
    const bool available =
        (firstQueryDone || !module || !powerConfirmed) && handle->getDevDetectState() == COMM_TRX_DEV_CONFIG_SHOWN;
    ui->wgHomeWiFi->setVisible(wifiVisible);
    ui->btnMMWiFi->setVisible(wifiVisible);
    if (!available)
        updateCurPageDisp(0);
    ui->wgMainMenu->setEnabled(available);
    QWidget* const more[] = {ui->lblHomeConfigurationMore, ui->lblHomeDiagnosticsMore, ui->lblHomeGPSStatusMore,
                             ui->lblHomeOtherVesselsMore, ui->lblHomeWiFiSetMore};
    for (QWidget* label : more)
        label->setVisible(available);
    ui->lblHomeWiFiWaiting->setVisible(!available);
}

void AisConfiguration::init()
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    // Also asks for the sentence library's station table to be emptied; the communication thread,
    // which owns that table, does it before the next sentence.
    device->initDevConfigInfo();
    m_targetModel->updateExchangeSet(device->getTargetInfo());
    CWiFiConfig* wifi = device->getWiFiConfig();
    wifi->reset();
    m_apModel.updateExchangeSet(wifi);
    m_view->updateAisAdvConfigDisp(false);
    m_view->cfgLayoutInfo.reset();
    m_lastVersionQuery = 0;
    // A report that waited for the first scan of this connection is not for the next one.
    m_reportPending = false;
}

bool AisConfiguration::isWiFiAPListNeedToFirstRefresh()
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    const bool module = device->getSentenceHandle()->getDisplayedConfig()->bWiFiModule;
    if (!module || wifi->m_powerConfirmed == 0 || wifi->m_apListRefreshedOnce != 0)
        return false;
    const WiFiScope::SWiFiData data = wifi->getCmdProcData().data;
    if (!data.bWlanEnable || data.iOperationMode != WiFiScope::WIFI_OPERATION_MODE_CLIENT)
        return false;
    m_view->updateWiFiPGBWaitingMsg(m_view->wifiText.strLoading);
    if (ui->tbwgMain->currentWidget() != ui->tbProgressBar)
        m_view->enableWiFiWaitingDisp(true);
    wifi->m_mainProc = WiFiScope::WIFI_MAIN_PROC_START;
    wifi->m_cfgType = WiFiScope::WIFI_CFG_SCAN;
    return true;
}
