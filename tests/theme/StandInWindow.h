#pragma once

// Stand-in pages of the main window and the About dialog: real Qt widgets under the object
// names the view gives them, enough of each page for every theme operation to act on, and
// the one routine that styles them all as the view does at start-up.
#include "theme/ObjPalette.h"
#include "palette/QtObjPalette.h"

#include "services/Singleton.h"
#include "widgets/LibraryImage.h"
#include "widgets/StyledItemDelegate.h"
#include "widgets/WgSelectorSwitch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGraphicsView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace StandIn {

template <class W>
W* named(const char* name, QWidget* parent = nullptr)
{
    W* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QLabel* label(const char* name, const QString& text)
{
    QLabel* widget = named<QLabel>(name);
    widget->setText(text);
    return widget;
}

inline QPushButton* pushButton(const char* name, const QString& text)
{
    QPushButton* widget = named<QPushButton>(name);
    widget->setText(text);
    return widget;
}

// A corner-shaped group title: a frame holding its caption.
inline QWidget* cornerTitle(const char* name, const QString& text)
{
    QWidget* title = named<QWidget>(name);
    title->setFixedHeight(28);
    auto* layout = new QHBoxLayout(title);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(text));
    return title;
}

inline QFrame* separator(Qt::Orientation orientation)
{
    auto* line = new QFrame;
    line->setFrameShape(orientation == Qt::Vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(2);
    return line;
}

inline QTableView* vesselTable(const char* name)
{
    auto* table = named<QTableView>(name);
    auto* model = new QStandardItemModel(0, 4, table);
    model->setHorizontalHeaderLabels({"MMSI", "Name", "Range (NM)", "Bearing"});
    const char* const rows[][4] = {{"235099871", "NORTHERN LIGHT", "2.41", "118.0"},
                                   {"244710334", "MAAS TRADER", "5.87", "301.5"},
                                   {"211488500", "ELBE PILOT 3", "0.92", "47.2"},
                                   {"538006123", "ATLANTIC DAWN", "11.30", "205.9"}};
    for (const auto& row : rows) {
        QList<QStandardItem*> items;
        for (const char* cell : row)
            items << new QStandardItem(QLatin1String(cell));
        model->appendRow(items);
    }
    table->setModel(model);
    table->setAlternatingRowColors(true);
    table->setSortingEnabled(true);
    table->sortByColumn(2, Qt::AscendingOrder);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(0, 100);
    table->setColumnWidth(1, 140);
    table->setColumnWidth(2, 100);
    return table;
}

inline QComboBox* comboBox(const char* name, const QStringList& items)
{
    auto* combo = named<QComboBox>(name);
    combo->addItems(items);
    return combo;
}

// The main window's form: title bar, connection bar, main menu and the page stack.
struct SMainWindow
{
    std::unique_ptr<QWidget> root;
    QPushButton* logo = nullptr;
    QLabel* titleName = nullptr;
    QToolButton* about = nullptr;
    QToolButton* help = nullptr;
    QToolButton* winMin = nullptr;
    QToolButton* winClose = nullptr;
    QLabel* conntStatus = nullptr;
    QList<QToolButton*> mainMenu;
    QTabWidget* pages = nullptr;

    // Home
    QList<QWidget*> homeGroups;
    QWidget* homeGps = nullptr;
    QList<QPushButton*> homeTitles;
    QList<QLabel*> homeMore;
    QList<QLabel*> homeValues;
    QTableView* homeVessels = nullptr;
    QLabel* homeWiFiWaiting = nullptr;
    QGraphicsView* homeMap = nullptr;
    // Configuration
    QWidget* cfgGroup = nullptr;
    QList<QWidget*> cfgTitles;
    QWidget* cfgLeftPage = nullptr;
    QWidget* cfgRightPage = nullptr;
    QLabel* cfgLeftArrow = nullptr;
    QLabel* cfgRightArrow = nullptr;
    QPushButton* cfgMore = nullptr;
    QWidget* cfgVslDim = nullptr;
    QPushButton* mmsiHelp = nullptr;
    QLabel* cfgTransceiver = nullptr;
    QLabel* cfgAdvancedMore = nullptr;
    QPushButton* cfgWrite = nullptr;
    // GPS Status
    QWidget* gpsStatus = nullptr;
    QList<QLabel*> gpsValues;
    QGraphicsView* gpsMap = nullptr;
    // Diagnostics
    QWidget* diagGroup = nullptr;
    QList<QWidget*> diagTitles;
    QList<QLabel*> diagValues;
    QPushButton* diagReport = nullptr;
    QLabel* diagReportStatus = nullptr;
    // Serial Data
    QTextEdit* serialRx = nullptr;
    // Other Vessels
    QWidget* vesselsGroup = nullptr;
    QTableView* vessels = nullptr;
    // Wi-Fi
    QWidget* wifiStatus = nullptr;
    QList<QWidget*> wifiGroups;
    QList<QWidget*> wifiTitles;
    QWidget* wifiAccessPoint = nullptr;
    QWidget* wifiClient = nullptr;
    WgSelectorSwitch* wifiService = nullptr;
    WgSelectorSwitch* wifiAutoConnect = nullptr;
    QPushButton* wifiMore = nullptr;
    QList<QLabel*> wifiValues;
    QList<QComboBox*> combos;
};

// The About dialog's form.
struct SAboutDialog
{
    std::unique_ptr<QWidget> root;
    QLabel* borderTitle = nullptr;
    QToolButton* winClose = nullptr;
    QPushButton* close = nullptr;
    QWidget* softwareIcon = nullptr;
    QLabel* softwareName = nullptr;
    QLabel* softwareVersion = nullptr;
};

inline QWidget* groupFrame(const char* name, QLayout* content)
{
    QWidget* group = named<QWidget>(name);
    group->setLayout(content);
    return group;
}

inline QWidget* homePage(SMainWindow& w)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const char* const groups[] = {"wgHomeConfiguration", "wgHomeDiagnostics", "wgHomeOtherVessels", "wgHomeWiFi"};
    const char* const titles[] = {"btnHomeConfiguration", "btnHomeDiagnostics", "btnHomeOtherVessels", "btnHomeWiFi"};
    const char* const captions[] = {"Configuration", "Diagnostics", "Other Vessels", "Wi-Fi"};
    for (int i = 0; i < 4; ++i) {
        auto* layout = new QVBoxLayout;
        QPushButton* title = pushButton(titles[i], captions[i]);
        title->setCheckable(true);
        title->setFixedSize(170, 30);
        w.homeTitles << title;
        layout->addWidget(title);
        QWidget* group = groupFrame(groups[i], layout);
        w.homeGroups << group;
        grid->addWidget(group, i / 2, i % 2 + 1);
        if (i == 0) {
            const char* const values[][2] = {{"lblHomeShipName", "NORTHERN LIGHT"},
                                             {"lblHomeMmsi", "235099871"},
                                             {"lblHomeCallSign", "MXKL7"}};
            for (const auto& value : values) {
                w.homeValues << label(value[0], value[1]);
                layout->addWidget(w.homeValues.last());
            }
        } else if (i == 1) {
            w.homeValues << label("lblHomeVSWRValue", "1.2");
            layout->addWidget(w.homeValues.last());
        } else if (i == 2) {
            w.homeVessels = vesselTable("tbvwHomeOtherVessels");
            w.homeVessels->setMinimumHeight(110);
            layout->addWidget(w.homeVessels);
        } else {
            w.homeWiFiWaiting = label("lblHomeWiFiWaiting", "Waiting for the Wi-Fi module...");
            layout->addWidget(w.homeWiFiWaiting);
        }
        QLabel* more = label("lblHomeMore", "More...");
        more->setObjectName(QStringLiteral("lblHomeMore%1").arg(i));
        w.homeMore << more;
        layout->addWidget(more, 0, Qt::AlignRight);
    }
    auto* gpsLayout = new QVBoxLayout;
    QPushButton* gpsTitle = pushButton("btnHomeSatelliteStatus", "GPS Status");
    gpsTitle->setCheckable(true);
    gpsTitle->setChecked(true);
    gpsTitle->setFixedSize(170, 30);
    w.homeTitles << gpsTitle;
    gpsLayout->addWidget(gpsTitle);
    w.homeMap = named<QGraphicsView>("gpvwHomeSatelliteMap");
    w.homeMap->setFixedSize(150, 150);
    gpsLayout->addWidget(w.homeMap, 0, Qt::AlignCenter);
    w.homeGps = groupFrame("wgHomeGPSStatus", gpsLayout);
    grid->addWidget(w.homeGps, 0, 0, 2, 1);
    return page;
}

inline QWidget* configurationPage(SMainWindow& w)
{
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    auto* body = new QHBoxLayout;
    w.cfgGroup = groupFrame("wgConfiguration", body);
    outer->addWidget(w.cfgGroup);

    w.cfgLeftArrow = named<QLabel>("lblCfgLeftArrow");
    w.cfgLeftArrow->setFixedSize(24, 48);
    w.cfgRightArrow = named<QLabel>("lblCfgRightArrow");
    w.cfgRightArrow->setFixedSize(24, 48);

    auto* left = new QGridLayout;
    w.cfgTitles << cornerTitle("wgCfgVslDetailTitle", "Vessel Details");
    left->addWidget(w.cfgTitles.last(), 0, 0, 1, 2);
    left->addWidget(new QLabel("Ship name"), 1, 0);
    auto* shipName = named<QLineEdit>("edtCfgShipName");
    shipName->setText("NORTHERN LIGHT");
    left->addWidget(shipName, 1, 1);
    left->addWidget(new QLabel("MMSI"), 2, 0);
    auto* mmsi = named<QLineEdit>("edtCfgMmsi");
    mmsi->setText("235099871");
    mmsi->setReadOnly(true);
    left->addWidget(mmsi, 2, 1);
    left->addWidget(new QLabel("Vessel type"), 3, 0);
    w.combos << comboBox("cbbxCfgVesselType", {"Cargo", "Tanker", "Fishing", "Pleasure craft"});
    left->addWidget(w.combos.last(), 3, 1);
    w.cfgTitles << cornerTitle("wgCfgShipDimTitle", "Ship Dimensions");
    left->addWidget(w.cfgTitles.last(), 4, 0, 1, 2);
    left->addWidget(new QLabel("Bow (m)"), 5, 0);
    auto* bow = named<QSpinBox>("spbxCfgBow");
    bow->setRange(0, 511);
    bow->setValue(42);
    left->addWidget(bow, 5, 1);
    left->addWidget(new QLabel("Stern (m)"), 6, 0);
    auto* stern = named<QSpinBox>("spbxCfgStern");
    stern->setValue(12);
    stern->setEnabled(false);
    left->addWidget(stern, 6, 1);
    w.cfgVslDim = named<QWidget>("imgCfgVslDim");
    w.cfgVslDim->setFixedHeight(70);
    left->addWidget(w.cfgVslDim, 7, 0, 1, 2);
    w.cfgLeftPage = named<QWidget>("wgScaContentsLeftPage");
    w.cfgLeftPage->setLayout(left);

    auto* right = new QGridLayout;
    w.cfgTitles << cornerTitle("wgCfgNmeaBaudRateTitle", "NMEA Baud Rate");
    right->addWidget(w.cfgTitles.last(), 0, 0, 1, 2);
    right->addWidget(new QLabel("Port 1"), 1, 0);
    w.combos << comboBox("cbbxCfgBaudRate1", {"4800", "9600", "38400", "115200"});
    w.combos.last()->setCurrentIndex(2);
    right->addWidget(w.combos.last(), 1, 1);
    right->addWidget(new QLabel("Port 2"), 2, 0);
    w.combos << comboBox("cbbxCfgBaudRate2", {"4800", "38400"});
    w.combos.last()->setEnabled(false);
    right->addWidget(w.combos.last(), 2, 1);
    w.cfgTitles << cornerTitle("wgCfgAdvConfigTitle", "Advanced Configuration");
    right->addWidget(w.cfgTitles.last(), 3, 0, 1, 2);
    auto* alr = new QCheckBox("ALR sentence");
    alr->setChecked(true);
    right->addWidget(alr, 4, 0, 1, 2);
    right->addWidget(new QCheckBox("Long-range Message 27"), 5, 0, 1, 2);
    auto* radios = new QHBoxLayout;
    auto* internal = new QRadioButton("Internal GPS");
    internal->setChecked(true);
    radios->addWidget(internal);
    auto* vline = separator(Qt::Vertical);
    vline->setFixedHeight(22);
    radios->addWidget(vline);
    radios->addWidget(new QRadioButton("External"));
    right->addLayout(radios, 6, 0, 1, 2);
    right->addWidget(new QLabel("Valid until"), 7, 0);
    auto* date = named<QDateEdit>("dteCfgValidUntil");
    date->setDate(QDate(2027, 3, 31));
    date->setCalendarPopup(true);
    right->addWidget(date, 7, 1);
    right->addWidget(new QLabel("Report time"), 8, 0);
    auto* time = named<QTimeEdit>("tmeCfgReport");
    time->setTime(QTime(12, 30));
    right->addWidget(time, 8, 1);
    w.cfgAdvancedMore = label("lblCfgAdvancedMore", "More...");
    right->addWidget(w.cfgAdvancedMore, 9, 0);
    w.cfgMore = pushButton("btnCfgAdvancedConfDisp", "More...");
    right->addWidget(w.cfgMore, 9, 1);
    w.cfgRightPage = named<QWidget>("wgScaContentsRightPage");
    w.cfgRightPage->setLayout(right);
    w.cfgTitles << cornerTitle("wgCfgEncryptionTitle", "Encryption");
    w.cfgTitles << cornerTitle("wgCfgSRMTitle", "SRM");

    body->addWidget(w.cfgLeftArrow);
    body->addWidget(w.cfgLeftPage);
    body->addWidget(w.cfgRightPage);
    body->addWidget(w.cfgRightArrow);

    auto* foot = new QHBoxLayout;
    w.cfgTransceiver = label("lblCfgTransceiver", "Transceiver KVX-T-362");
    foot->addWidget(w.cfgTransceiver);
    w.mmsiHelp = named<QPushButton>("btnMmsiHelp");
    w.mmsiHelp->setFixedSize(24, 24);
    foot->addWidget(w.mmsiHelp);
    foot->addStretch();
    foot->addWidget(w.cfgTitles[4]);
    foot->addWidget(w.cfgTitles[5]);
    auto* read = pushButton("btnCfgRead", "Read");
    foot->addWidget(read);
    w.cfgWrite = pushButton("btnCfgWrite", "Write");
    foot->addWidget(w.cfgWrite);
    auto* locked = pushButton("btnCfgLocked", "Locked");
    locked->setCheckable(true);
    locked->setChecked(true);
    foot->addWidget(locked);
    auto* disabled = pushButton("btnCfgDefault", "Default");
    disabled->setEnabled(false);
    foot->addWidget(disabled);
    outer->addLayout(foot);
    return page;
}

inline QWidget* gpsStatusPage(SMainWindow& w)
{
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    auto* layout = new QGridLayout;
    w.gpsStatus = groupFrame("wgGPSStatus", layout);
    w.gpsMap = named<QGraphicsView>("gpvwSatelliteMap");
    w.gpsMap->setFixedSize(220, 220);
    layout->addWidget(w.gpsMap, 0, 0, 7, 1);
    const char* const values[][3] = {{"lblSatelliteFixText", "Fix", "3D"},
                                     {"lblSatelliteUtcText", "UTC", "14:02:37"},
                                     {"lblSatelliteLatText", "Lat", "53\u00b032.118' N"},
                                     {"lblSatelliteLonText", "Lon", "009\u00b058.402' E"},
                                     {"lblSatelliteCogText", "COG", "118.0\u00b0"},
                                     {"lblSatelliteSogText", "SOG", "11.4 kn"},
                                     {"lblSatelliteHdopText", "HDOP", "0.9"}};
    for (int i = 0; i < 7; ++i) {
        layout->addWidget(new QLabel(values[i][1]), i, 1);
        w.gpsValues << label(values[i][0], QString::fromUtf8(values[i][2]));
        layout->addWidget(w.gpsValues.last(), i, 2);
    }
    outer->addWidget(w.gpsStatus);
    return page;
}

inline QWidget* diagnosticsPage(SMainWindow& w)
{
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    auto* layout = new QGridLayout;
    w.diagGroup = groupFrame("wgDiagDiagnosisCheck", layout);
    const char* const titles[][2] = {{"wgDiagSysCheckTitle", "System Check"},
                                     {"wgDiagStatisticsTitle", "Statistics"},
                                     {"wgDiagStatusTitle", "Status"},
                                     {"wgDiagInterDataTitle", "Internal Data"}};
    const char* const values[][3] = {{"lblDiagProductSNValue", "Serial number", "KV2210457"},
                                     {"lblDiagRxChAValue", "Rx channel A", "1204"},
                                     {"lblDiagVSWRValue", "VSWR", "1.2"},
                                     {"lblDiagProductFVValue", "Firmware", "2.04.11"}};
    for (int i = 0; i < 4; ++i) {
        w.diagTitles << cornerTitle(titles[i][0], titles[i][1]);
        layout->addWidget(w.diagTitles.last(), (i / 2) * 2, (i % 2) * 2, 1, 2);
        layout->addWidget(new QLabel(values[i][1]), (i / 2) * 2 + 1, (i % 2) * 2);
        w.diagValues << label(values[i][0], values[i][2]);
        layout->addWidget(w.diagValues.last(), (i / 2) * 2 + 1, (i % 2) * 2 + 1);
    }
    w.diagReport = named<QPushButton>("btnDiagGenerateReport");
    layout->addWidget(w.diagReport, 4, 3);
    w.diagReportStatus = label("imgDiagReportStatus", QString());
    layout->addWidget(w.diagReportStatus, 4, 2);
    outer->addWidget(w.diagGroup);
    outer->addStretch();
    return page;
}

inline QWidget* serialDataPage(SMainWindow& w)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    w.serialRx = named<QTextEdit>("txbwSerialRx");
    w.serialRx->setPlainText("!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24\n"
                             "$GPRMC,140237.00,A,5332.118,N,00958.402,E,11.4,118.0,091226,,,A*6B\n"
                             "$AIVER,KVX-T-362,2.04.11*3C");
    layout->addWidget(w.serialRx);
    return page;
}

inline QWidget* otherVesselsPage(SMainWindow& w)
{
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    auto* layout = new QVBoxLayout;
    w.vessels = vesselTable("tbvwOtherVessels");
    layout->addWidget(w.vessels);
    w.vesselsGroup = groupFrame("wgOtherVessels", layout);
    outer->addWidget(w.vesselsGroup);
    return page;
}

inline QWidget* wifiPage(SMainWindow& w)
{
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);

    auto* statusLayout = new QGridLayout;
    statusLayout->addWidget(new QLabel("Mode"), 0, 0);
    w.wifiValues << label("lblHomeWiFiModeValue", "Access point");
    statusLayout->addWidget(w.wifiValues.last(), 0, 1);
    statusLayout->addWidget(new QLabel("Firmware"), 1, 0);
    w.wifiValues << label("lblHomeWiFiFirmwareVerValue", "1.0.8");
    statusLayout->addWidget(w.wifiValues.last(), 1, 1);
    statusLayout->addWidget(new QLabel("Wi-Fi service"), 0, 2);
    w.wifiService = named<WgSelectorSwitch>("wgWiFiService");
    w.wifiService->setCaption("OFF", "ON");
    w.wifiService->setFixedSize(76, 28);
    statusLayout->addWidget(w.wifiService, 0, 3);
    statusLayout->addWidget(new QLabel("Auto connect"), 1, 2);
    w.wifiAutoConnect = named<WgSelectorSwitch>("wgWiFiAutoConnect");
    w.wifiAutoConnect->setCaption("OFF", "ON");
    w.wifiAutoConnect->setFixedSize(76, 28);
    statusLayout->addWidget(w.wifiAutoConnect, 1, 3);
    w.wifiStatus = groupFrame("wgWiFiStatus", statusLayout);
    outer->addWidget(w.wifiStatus);

    auto* modeLayout = new QGridLayout;
    w.wifiTitles << cornerTitle("wgWiFiModeTitle", "Wi-Fi Mode");
    modeLayout->addWidget(w.wifiTitles.last(), 0, 0, 1, 2);
    w.wifiAccessPoint = named<QWidget>("wgWiFiModeAccessPoint");
    w.wifiAccessPoint->setFixedSize(130, 90);
    w.wifiClient = named<QWidget>("wgWiFiModeClient");
    w.wifiClient->setFixedSize(130, 90);
    modeLayout->addWidget(w.wifiAccessPoint, 1, 0);
    modeLayout->addWidget(w.wifiClient, 1, 1);
    w.wifiGroups << groupFrame("wgWiFiMode", modeLayout);

    auto* cfgLayout = new QGridLayout;
    w.wifiTitles << cornerTitle("wgWiFiCfgTitle", "Configuration");
    cfgLayout->addWidget(w.wifiTitles.last(), 0, 0, 1, 2);
    cfgLayout->addWidget(new QLabel("SSID"), 1, 0);
    auto* ssid = named<QLineEdit>("edtWifiCfgSsid");
    ssid->setText("KELVORA-7F21");
    cfgLayout->addWidget(ssid, 1, 1);
    cfgLayout->addWidget(new QLabel("Channel"), 2, 0);
    QStringList channels{"Auto Select"};
    for (int i = 1; i <= 11; ++i)
        channels << QString::number(i);
    w.combos << comboBox("cbbxWifiCfgChannel", channels);
    cfgLayout->addWidget(w.combos.last(), 2, 1);
    w.wifiGroups << groupFrame("wgWifiConfiguration", cfgLayout);

    auto* advLayout = new QHBoxLayout;
    w.wifiTitles << cornerTitle("wgWiFiAdvConfigTitle", "Advanced");
    advLayout->addWidget(w.wifiTitles.last());
    w.wifiMore = pushButton("btnWiFiAdvConfigDisp", "More...");
    advLayout->addWidget(w.wifiMore);
    w.wifiGroups << groupFrame("wgWiFiAdvConfig", advLayout);

    auto* row = new QHBoxLayout;
    row->addWidget(w.wifiGroups[0]);
    row->addWidget(w.wifiGroups[1]);
    outer->addLayout(row);
    outer->addWidget(w.wifiGroups[2]);
    return page;
}

inline SMainWindow buildMainWindow()
{
    SMainWindow w;
    w.root.reset(named<QWidget>("centralWidget"));
    auto* outer = new QVBoxLayout(w.root.get());

    auto* titleBar = new QHBoxLayout;
    w.logo = pushButton("btnBorderTitleLogo", "KELVORA");
    w.titleName = label("lblBorderTitleName", "AIS Class B Configuration");
    w.about = named<QToolButton>("btnThemeFunAbout");
    w.help = named<QToolButton>("btnThemeFunHelp");
    w.winMin = named<QToolButton>("btnWinCtrlMin");
    w.winClose = named<QToolButton>("btnWinCtrlClose");
    titleBar->addWidget(w.logo);
    titleBar->addWidget(w.titleName);
    titleBar->addStretch();
    for (QToolButton* button : {w.about, w.help, w.winMin, w.winClose}) {
        button->setFixedSize(28, 28);
        titleBar->addWidget(button);
    }
    outer->addLayout(titleBar);

    auto* conntBar = new QHBoxLayout;
    w.combos << comboBox("cbbxConntPort", {"/dev/ttyUSB0", "/dev/ttyACM0"});
    conntBar->addWidget(w.combos.last());
    auto* connect = pushButton("btnConnect", "Connect");
    connect->setCheckable(true);
    conntBar->addWidget(connect);
    w.conntStatus = label("lblConntStatus", "Disconnected");
    conntBar->addWidget(w.conntStatus);
    conntBar->addStretch();
    outer->addLayout(conntBar);

    auto* menu = new QHBoxLayout;
    menu->setSpacing(0);
    const char* const names[] = {"btnMMHome",       "btnMMConfiguration", "btnMMGPSStatus", "btnMMDiagnostics",
                                 "btnMMSerialData", "btnMMOtherVessels",  "btnMMWiFi"};
    const char* const captions[] = {"Home",        "Configuration", "GPS Status", "Diagnostics",
                                    "Serial Data", "Other Vessels", "Wi-Fi"};
    for (int i = 0; i < 7; ++i) {
        auto* button = named<QToolButton>(names[i]);
        button->setText(captions[i]);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setFixedSize(128, 40);
        w.mainMenu << button;
        menu->addWidget(button);
    }
    w.mainMenu.first()->setChecked(true);
    menu->addStretch();
    outer->addLayout(menu);

    w.pages = named<QTabWidget>("wgMain");
    w.pages->addTab(homePage(w), captions[0]);
    w.pages->addTab(configurationPage(w), captions[1]);
    w.pages->addTab(gpsStatusPage(w), captions[2]);
    w.pages->addTab(diagnosticsPage(w), captions[3]);
    w.pages->addTab(serialDataPage(w), captions[4]);
    w.pages->addTab(otherVesselsPage(w), captions[5]);
    w.pages->addTab(wifiPage(w), captions[6]);
    outer->addWidget(w.pages);
    w.root->resize(1000, 620);
    return w;
}

inline SAboutDialog buildAboutDialog()
{
    SAboutDialog d;
    d.root.reset(named<QWidget>("wgAbout"));
    auto* layout = new QGridLayout(d.root.get());
    d.borderTitle = label("lblAboutBorderTitle", "About");
    d.winClose = named<QToolButton>("btnWinCtrlClose");
    d.winClose->setFixedSize(28, 28);
    d.softwareIcon = named<QWidget>("wgSoftwareIcon");
    d.softwareIcon->setFixedSize(120, 60);
    d.softwareName = label("lblSoftwareName", "Kelvora AIS Class B Configuration");
    d.softwareVersion = label("lblSoftwareVersion", "Version 1.0.0");
    d.close = pushButton("btnClose", "Close");
    layout->addWidget(d.borderTitle, 0, 0);
    layout->addWidget(d.winClose, 0, 2, Qt::AlignRight);
    layout->addWidget(d.softwareIcon, 1, 0, 2, 1);
    layout->addWidget(d.softwareName, 1, 1, 1, 2);
    layout->addWidget(d.softwareVersion, 2, 1, 1, 2);
    layout->addWidget(d.close, 3, 2);
    d.root->resize(440, 200);
    return d;
}

// Every theme operation once, in the view's order.
inline void styleMainWindow(SMainWindow& w, CStyledItemDelegate& delegate)
{
    using P = ObjPalette;
    LibraryImage* images = Pattern::Singleton<LibraryImage>::instance();
    P::setWhiteThemeWgsStyle(w.root.get(), delegate);
    P::setBorderTitleStyle(w.logo, w.titleName);
    P::setWinCtrlIconStyle(w.winClose, 0xFFFFFFFF, ResourceImage::WG_WINCTRL_CLOSE);
    P::setWinCtrlIconStyle(w.winMin, 0xFFFFFFFF, ResourceImage::WG_WINCTRL_MINI);
    P::setAboutIconStyle(w.about);
    P::setHelpIconStyle(w.help);
    P::setConntStatusLabelStyle(w.conntStatus, true);
    P::setMainWidgetWhiteStyle(w.pages);
    for (QToolButton* button : w.mainMenu)
        P::setMainMenuStyle(button, QString());
    for (QWidget* group : w.homeGroups)
        P::setGroupStyle(group, true);
    P::setHomeSatelliteGroupStyle(w.homeGps);
    for (QPushButton* title : w.homeTitles)
        P::setHomeTitleStyle(title);
    for (QLabel* more : w.homeMore)
        P::setHomeMoreLabelStyle(more);
    QtObjPalette::setWidgetTransparentStyle(w.homeMap, STYLE_SHEET_COVER_SELF);
    for (QLabel* value : w.homeValues)
        P::setBoldTextStyle(value, true);
    P::setOtherVesselStyle(w.homeVessels, QString(), WG_COLOR_TONE_DEFAULT);
    P::setLabelColor(w.homeWiFiWaiting, 0xFF8000);

    P::setCfgSubPageContentStyle(w.cfgRightPage, false);
    P::setCfgSubPageContentStyle(w.cfgLeftPage, false);
    P::setCfgSubPageIcon(w.cfgLeftArrow, true, true);
    P::setCfgSubPageIcon(w.cfgRightArrow, false, true);
    P::setGroupStyle(w.cfgGroup, false);
    for (QWidget* title : w.cfgTitles)
        P::setCornerTitleColorToneStyle(title, QString(), WG_COLOR_TONE_GREY);
    P::setPushBtnColorToneStyle(w.cfgMore, QString(), WG_COLOR_TONE_ROYAL);
    P::setConfigVslDimStyle(w.cfgVslDim);
    P::setWidgetIconStyle(w.mmsiHelp, images->getThemeFunImagePath(0));
    P::setNormalTitleStyle(w.cfgTransceiver);
    P::setAdvencedCfgMoreLabelStyle(w.cfgAdvancedMore);

    P::setSatelliteStatusStyle(w.gpsStatus);
    P::setSatelliteMapStyle(w.gpsMap);
    for (QLabel* value : w.gpsValues)
        P::setBoldTextStyle(value, false);

    P::setGroupStyle(w.vesselsGroup, false);
    P::setOtherVesselStyle(w.vessels, QString(), WG_COLOR_TONE_DEFAULT);

    P::setGroupStyle(w.diagGroup, false);
    for (QWidget* title : w.diagTitles)
        P::setCornerTitleColorToneStyle(title, QString(), WG_COLOR_TONE_GREY);
    for (QLabel* value : w.diagValues)
        P::setBoldTextStyle(value, true);
    P::setGenerateReportBtnStyle(w.diagReport);
    P::setReportStatusStyle(w.diagReportStatus);

    P::setTextEditWhiteStyle(w.serialRx);

    P::setInfoGroupStyle(w.wifiStatus);
    for (QLabel* value : w.wifiValues)
        P::setBoldTextStyle(value, true);
    for (QWidget* group : w.wifiGroups)
        P::setGroupStyle(group, false);
    for (QWidget* title : w.wifiTitles)
        P::setCornerTitleColorToneStyle(title, QString(), WG_COLOR_TONE_GREY);
    P::setPushBtnColorToneStyle(w.wifiMore, QString(), WG_COLOR_TONE_ROYAL);
    P::setWiFiModeWgsStyle(w.wifiAccessPoint, LibraryImage::WIFI_MODE_AP, true, true);
    P::setWiFiModeWgsStyle(w.wifiClient, LibraryImage::WIFI_MODE_CLIENT, true, false);
    // The switch keeps an on and an off sheet and sets the one of its state itself.
    w.wifiService->setOnStyleScript(P::compSelectorSwitchColorToneStyle(QString(), WG_COLOR_TONE_DEFAULT, true));
    w.wifiService->setOffStyleScript(P::compSelectorSwitchColorToneStyle(QString(), WG_COLOR_TONE_DEFAULT, false));
    w.wifiService->setActive(true);
    P::setSelectorSwitchColorToneStyle(w.wifiAutoConnect, QString(), WG_COLOR_TONE_DEFAULT, false);
}

inline void styleAboutDialog(SAboutDialog& d, CStyledItemDelegate& delegate)
{
    using P = ObjPalette;
    P::setWhiteThemeWgsStyle(d.root.get(), delegate);
    P::setBorderTitleStyle(nullptr, d.borderTitle);
    P::setWinCtrlIconStyle(d.winClose, 0xFFFFFFFF, ResourceImage::WG_WINCTRL_CLOSE);
    P::setPushBtnColorToneStyle(d.close, QString(), WG_COLOR_TONE_NAVY);
    P::setWidgetIconStyle(d.softwareIcon, Pattern::Singleton<LibraryImage>::instance()->getLogoImagePath(2));
    P::setAboutSoftwareNameLabelStyle(d.softwareName);
    P::setAboutSoftwareVersionLabelStyle(d.softwareVersion);
}

} // namespace StandIn
