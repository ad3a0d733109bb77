// The read-only pages: Home, GPS Status, Diagnostics, Other Vessels and Serial Data.
#include "AisConfigurationView.h"

#include "SensorEngine/TargetStrConvt.h"
#include "device/SensorConfig.h"
#include "palette/QtObjPalette.h"
#include "services/PortalQDt.h"
#include "services/PortalTime.h"
#include "services/Singleton.h"
#include "services/StringConvt.h"
#include "theme/ObjPalette.h"
#include "view/TransponderText.h"
#include "widgets/LibraryImage.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QHeaderView>
#include <cstdio>
#include <cstring>

namespace {

// Lamp colours, by their place in the lamp row of the image catalogue.
enum LED_COLOR : int { LED_RED = 0, LED_GREEN = 1, LED_BLUE = 2, LED_ORANGE = 3, LED_GRAY = 4 };

// System-check answers.
enum CHECK_STATE : int { CHECK_GOOD = 0, CHECK_FAILED = 1 };

// A lamp and the status entry it shows.
struct SStatusLamp
{
    QLabel* Ui::AisConfiguration::*lamp;
    int entry;
    LED_COLOR lit;
};

const SStatusLamp kStatusLamps[] = {
    {&Ui::AisConfiguration::imgDiagStatusPowerOk, 1, LED_GREEN},
    {&Ui::AisConfiguration::imgDiagStatusTxTimeout, 2, LED_ORANGE},
    {&Ui::AisConfiguration::imgDiagStatusError, 3, LED_RED},
    {&Ui::AisConfiguration::imgDiagStatusSilentMode, 4, LED_ORANGE},
};

// A time shown on the GPS page stays while the page is refreshed at least this often.
constexpr long long kGpsTimeHoldSeconds = 5;

long long wallSeconds()
{
    return Portal::Time::Clock::wallMsecs() / 1000;
}

// The Wi-Fi module's texts, in the local 8-bit encoding; the transponder's are TransponderText's.
QString localText(const char* text, size_t size)
{
    return QString::fromLocal8Bit(text, static_cast<int>(strnlen(text, size)));
}

void setIcon(QLabel* label, const QString& path)
{
    if (label != nullptr)
        QtObjPalette::setWidgetLblIcon(label, path);
}

void setCheckIcon(QLabel* label, bool good)
{
    setIcon(label, Pattern::Singleton<LibraryImage>::instance()->getReportStatusImagePath(good ? CHECK_GOOD
                                                                                                : CHECK_FAILED));
}

} // namespace

void CAisConfigurationView::updateHomePageDisp()
{
    if (ui == nullptr || sensorConfig == nullptr)
        return;
    const CSensorConfig& config = *sensorConfig;
    ui->lblHomeShipName->setText(TransponderText::latin1Field(config.szShipName));
    ui->lblHomeCallSign->setText(TransponderText::latin1Field(config.szCallSign));
    char mmsi[16] = {};
    if (config.iMmsi != 0)
        StringConvt::formatStrID(mmsi, sizeof(mmsi), config.iMmsi, 9);
    ui->lblHomeMmsi->setText(QString::fromLatin1(mmsi));
    const int type = getShipTypeIndex(config.iShipType);
    ui->lblHomeVesselType->setText(type >= 0 && type < kShipTypeCount ? shipTypeText[type] : QString());
    ui->lblHomeProductSNValue->setText(TransponderText::latin1Field(config.szSerialNumber));
    ui->lblHomeProductFVValue->setText(TransponderText::latin1Field(config.szFirmware));

    // The small table is sorted like the Other Vessels page.
    const QHeaderView* others = ui->tbvwOtherVessels->horizontalHeader();
    ui->tbvwHomeOtherVessels->horizontalHeader()->setSortIndicator(others->sortIndicatorSection(),
                                                                  others->sortIndicatorOrder());

    // The Wi-Fi record is written by the communication thread: read a copy taken under its lock.
    WiFiScope::SWiFiData wifi;
    if (wifiConfig != nullptr)
        wifi = wifiConfig->getCmdProcData().data;
    QString mode;
    if (wifi.iOperationMode == WiFiScope::WIFI_OPERATION_MODE_AP)
        mode = wifiText.strAccessPoint;
    else if (wifi.iOperationMode == WiFiScope::WIFI_OPERATION_MODE_CLIENT)
        mode = wifiText.strClient;
    ui->lblHomeWiFiModeValue->setText(mode);
    ui->lblHomeWiFiFirmwareVerValue->setText(localText(wifi.szVersion, sizeof(wifi.szVersion)));
}

void CAisConfigurationView::updateSatelliteStatusDisp(bool, int fixMode, bool timeUpdated, long long utcTime,
                                                      Unit::SPointG2dD position, Unit::WORLD_POS_FORMAT format,
                                                      float cog, float sog, float hdop)
{
    if (ui == nullptr)
        return;
    ui->lblSatelliteFixText->setText(fixMode == 2 || fixMode == 3 ? QString::asprintf("%dD", fixMode)
                                                                   : QStringLiteral("Lost"));

    const long long now = wallSeconds();
    const bool recentlyShown = gpsTimeShownAt != 0 && now - gpsTimeShownAt < kGpsTimeHoldSeconds;
    QString time = QStringLiteral("--");
    if (utcTime > 0 && (timeUpdated || recentlyShown)) {
        time = Portal::QDt::ConvtFmtDateTimeToStr(utcTime, Portal::QDt::TIME_ZONE_LOCAL,
                                                  Portal::QDt::DATE_FORMAT_SHORT, Portal::QDt::TIME_FORMAT_HMS, 0);
        gpsTimeShownAt = now;
    }
    ui->lblSatelliteUtcText->setText(time);

    char latitude[48] = {};
    char longitude[48] = {};
    SensorScope::Target::TargetStrConvt::formatStrLatLon(latitude, sizeof(latitude), longitude, sizeof(longitude),
                                                         position.latitude, position.longitude, format, false);
    ui->lblSatelliteLatText->setText(QString::fromUtf8(latitude));
    ui->lblSatelliteLonText->setText(QString::fromUtf8(longitude));

    char text[48] = "N/A";
    SensorScope::Target::TargetStrConvt::formatStrCOG(text, sizeof(text), SensorScope::AIS_TYPE_NONE, cog, true);
    ui->lblSatelliteCogText->setText(QString::fromUtf8(text));
    std::snprintf(text, sizeof(text), "N/A");
    SensorScope::Target::TargetStrConvt::formatStrSOG(text, sizeof(text), SensorScope::AIS_TYPE_NONE, sog,
                                                      Unit::SPEED_UNIT_KN, true);
    ui->lblSatelliteSogText->setText(QString::fromUtf8(text));
    std::snprintf(text, sizeof(text), "N/A");
    SensorScope::Target::TargetStrConvt::formatStrHDOP(text, sizeof(text), hdop);
    ui->lblSatelliteHdopText->setText(QString::fromUtf8(text));
}

void CAisConfigurationView::updateDiagStatusDisp()
{
    if (ui == nullptr || sensorConfig == nullptr)
        return;
    const CSensorConfig& config = *sensorConfig;
    ui->lblDiagProductSNValue->setText(TransponderText::latin1Field(config.szSerialNumber));
    ui->lblDiagProductFVValue->setText(TransponderText::latin1Field(config.szFirmware));
    const LibraryImage* images = Pattern::Singleton<LibraryImage>::instance();
    for (const SStatusLamp& lamp : kStatusLamps) {
        // Only an exact 1 lights a lamp; -1 (not yet reported) stays grey.
        const bool lit = config.aiCfgStatus[lamp.entry] == 1;
        setIcon(ui->*lamp.lamp, images->getLedImagePath(0, lit ? lamp.lit : LED_GRAY));
    }
}

void CAisConfigurationView::updateDiagSysCheckDisp(bool gpsFix, const unsigned int rx[2], const unsigned int tx[2])
{
    if (ui == nullptr || sensorConfig == nullptr)
        return;
    const CSensorConfig& config = *sensorConfig;
    setCheckIcon(ui->imgDiagCheckMmsi, config.bMmsiProgrammed);
    setCheckIcon(ui->imgDiagCheckExtPwr, config.aiCfgStatus[1] == 1);
    setCheckIcon(ui->imgDiagCheckGpsFix, gpsFix);
    setCheckIcon(ui->imgDiagCheckAisRxPos, rx[0] != 0 || rx[1] != 0);
    setCheckIcon(ui->imgDiagCheckAisTxPos, tx[0] != 0 || tx[1] != 0);
    ui->lblDiagRxChAValue->setText(QString::number(rx[0]));
    ui->lblDiagRxChBValue->setText(QString::number(rx[1]));
    ui->lblDiagTxChAValue->setText(QString::number(tx[0]));
    ui->lblDiagTxChBValue->setText(QString::number(tx[1]));
}

void CAisConfigurationView::updateOtherVslListDisp(bool keepStyle)
{
    if (ui == nullptr)
        return;
    QTableView* table = ui->tbvwOtherVessels;
    if (!keepStyle)
        ObjPalette::setOtherVesselStyle(table, QString(), WG_COLOR_TONE_DEFAULT);
    // Rows the model rewrote fall into place.
    const QHeaderView* header = table->horizontalHeader();
    table->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void CAisConfigurationView::updateSerialDataDisp() {}
