// The GPS page's time: once shown, it stays while the page is refreshed at least every 5 seconds
// and the GPS time stays above 0, also when the time of a refresh is not new.
#include "view/AisConfigurationView.h"

#include "device/Diagnostics.h"
#include "device/SensorConfig.h"
#include "services/PortalTime.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QMainWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

long long g_wallMs = 1700000000000LL;

long long wallMs()
{
    return g_wallMs;
}

class GpsStatusText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Portal::Time::Clock::setWallSource(&wallMs);
        ui.setupUi(&host);
        view = std::make_unique<CAisConfigurationView>(&ui, &config, &wifi);
    }

    void TearDown() override
    {
        view.reset();
        Portal::Time::Clock::setWallSource(nullptr);
    }

    // One refresh of the page, seconds after the previous one.
    QString refresh(int afterSeconds, bool timeUpdated, long long utc = 1700000000)
    {
        g_wallMs += afterSeconds * 1000LL;
        Unit::SPointG2dD position;
        position.latitude = 52.25;
        position.longitude = -4.5;
        view->updateSatelliteStatusDisp(true, 3, timeUpdated, utc, position, Unit::WORLD_POS_FORMAT_DEG_MIN, 87.0f,
                                        5.5f, 0.9f);
        return ui.lblSatelliteUtcText->text();
    }

    QMainWindow host;
    Ui::AisConfiguration ui;
    CSensorConfig config;
    CWiFiConfig wifi;
    std::unique_ptr<CAisConfigurationView> view;
};

} // namespace

TEST_F(GpsStatusText, TheTimeStaysWhileRefreshedWithinFiveSeconds)
{
    EXPECT_EQ(refresh(0, false), "--") << "never shown, not new";
    const QString shown = refresh(1, true);
    EXPECT_NE(shown, "--");
    EXPECT_EQ(refresh(4, false), shown) << "4 s later, not new: kept";
    EXPECT_EQ(refresh(4, false), shown) << "kept again: each showing restarts the 5 s";
    EXPECT_EQ(refresh(5, false), "--") << "a pause of 5 s";
    EXPECT_EQ(refresh(1, true, 0), "--") << "no GPS time";
    EXPECT_EQ(refresh(1, false), "--");
}

TEST_F(GpsStatusText, FixAndAbsentValues)
{
    Unit::SPointG2dD nowhere;
    view->updateSatelliteStatusDisp(false, 1, false, 0, nowhere, Unit::WORLD_POS_FORMAT_DEG_MIN, 360.0f, 102.3f,
                                    99.9f);
    EXPECT_EQ(ui.lblSatelliteFixText->text(), "Lost");
    for (const QLabel* value : {ui.lblSatelliteLatText, ui.lblSatelliteLonText, ui.lblSatelliteCogText,
                                ui.lblSatelliteSogText, ui.lblSatelliteHdopText})
        EXPECT_EQ(value->text(), "--") << value->objectName().toStdString();
    refresh(0, true);
    EXPECT_EQ(ui.lblSatelliteFixText->text(), "3D");
    EXPECT_EQ(ui.lblSatelliteLonText->text(), QString::fromUtf8("4\xC2\xB0" "30.0000'W").trimmed())
        << ui.lblSatelliteLonText->text().toStdString();
}
