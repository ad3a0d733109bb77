#include "SensorEngine/SensorEngine.h"

#include "SensorEngine/NaviColor.h"
#include "SensorEngine/TargetInfo.h"
#include "SensorEngine/TargetView.h"
#include "SensorEngine/ToolModel.h"

#include "SensorTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace TestSupport;
using namespace SensorScope;
using namespace SensorScope::Target;

namespace {

// A display of 640 by 480 on which every record lands at the same place.
class CCountingService : public CSensorService
{
public:
    void calTargetNaviScreenPoint(CTargetBase*, CTargetNavi* navi) override
    {
        ++screenPoints;
        for (int d = 0; d < TARGET_DISPLAY_COUNT; ++d) {
            navi->setScreen(static_cast<char>(d), Unit::SPointC2dI{320, 240});
            navi->setScreenPivot(static_cast<char>(d), Unit::SPointC2dI{100, 100});
            navi->m_symbolSize[d] = Unit::SSizePtI{90, 90, 20, 20};
        }
    }
    void calTargetTrackScreenPoint(CTargetMetaData*) override { ++trackPoints; }
    void drawOwnVslSymbol(char, bool, CTargetAis*, int, COwnVslSetting*) override { ++ownDrawn; }
    void drawAisSymbol(char, bool selected, CTargetMetaData*, int, CTargetSetting*) override
    {
        ++aisDrawn;
        selectedDrawn += selected ? 1 : 0;
    }
    void drawTargetTrack(char, int, CTargetMetaData*) override { ++tracksDrawn; }
    bool checkPointInScreen(char, Unit::SPointC2dI& p) const override { return p.x < 640 && p.y < 480; }

    int screenPoints = 0;
    int trackPoints = 0;
    int ownDrawn = 0;
    int aisDrawn = 0;
    int selectedDrawn = 0;
    int tracksDrawn = 0;
};

class SensorEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        initLibrary();
        ASSERT_TRUE(m_engine.initialize(&m_service, 4));
    }

    // A target heard, as the transponder link files it from station record 1.
    void addTarget(uint32_t mmsi)
    {
        ShipData[1].mmsi = mmsi;
        ShipData[1].stationClass = STATION_CLASS_A;
        ShipData[1].latitude = 50.0f;
        ShipData[1].longitude = 2.0f;
        m_engine.targetInfo()->fillAisTargetData(mmsi);
    }

    CCountingService m_service;
    CSensorEngine m_engine;
};

} // namespace

TEST(SensorEngineSetUp, OnlyFourDisplays)
{
    CCountingService service;
    CSensorEngine engine;
    // Refused with an Exception record, which the logger files at once into "logger.log".
    EXPECT_FALSE(engine.initialize(&service, 3));
    EXPECT_EQ(engine.targetInfo(), nullptr);
    engine.updateTargetInfo(0, TARGET_UPDATE_FULL); // nothing to update yet
    EXPECT_TRUE(engine.initialize(&service, 4));
    EXPECT_NE(engine.targetInfo(), nullptr);
    EXPECT_NE(engine.targetView(), nullptr);
}

TEST_F(SensorEngineTest, SyncRunsOncePerUpdate)
{
    addTarget(211000001);
    addTarget(211000002);
    m_engine.updateTargetInfo(0, TARGET_UPDATE_SYNC);
    EXPECT_EQ(m_service.screenPoints, 0) << "nothing new to bring to the screens";

    m_engine.setTargetInfoUpdateState(TARGET_INFO_OP_UPDATED);
    m_engine.updateTargetInfo(0, TARGET_UPDATE_SYNC);
    EXPECT_EQ(m_service.screenPoints, 3) << "own vessel and two targets";
    EXPECT_EQ(m_service.trackPoints, 2);
    EXPECT_EQ(m_engine.targetInfoUpdateState(), TARGET_INFO_OP_SYNCED);
    m_engine.updateTargetInfo(0, TARGET_UPDATE_SYNC);
    EXPECT_EQ(m_service.screenPoints, 3);

    m_engine.updateTargetInfo(0, TARGET_UPDATE_FULL);
    EXPECT_TRUE(m_engine.inspectionPending());
    m_engine.updateTargetInfo(0, TARGET_UPDATE_SYNC);
    EXPECT_FALSE(m_engine.inspectionPending());
}

TEST_F(SensorEngineTest, ScreenSyncPoints)
{
    const Unit::SPointC2dI centre{320, 240};
    EXPECT_FALSE(m_engine.checkOwnAndTargetScreenSync(1, centre));
    EXPECT_EQ(m_engine.targetInfoUpdateState(), TARGET_INFO_OP_UPDATED);
    m_engine.updateTargetInfo(1, TARGET_UPDATE_SYNC);
    EXPECT_TRUE(m_engine.checkOwnAndTargetScreenSync(1, centre));
    EXPECT_EQ(m_engine.targetInfoUpdateState(), TARGET_INFO_OP_SYNCED);
    EXPECT_FALSE(m_engine.checkOwnAndTargetScreenSync(2, centre)) << "each display keeps its own point";
    EXPECT_FALSE(m_engine.checkOwnAndTargetScreenSync(4, centre));

    m_engine.setOwnPos(50.5, 2.25);
    const SOwnVslScreenPos own = m_engine.getOwnVslPos(0, true);
    EXPECT_EQ(own.screen.x, 320);
    EXPECT_DOUBLE_EQ(own.position.latitude, 50.5);
    EXPECT_DOUBLE_EQ(own.position.longitude, 2.25);
}

TEST_F(SensorEngineTest, RenderDrawsEveryRecordAndTheHeldTarget)
{
    addTarget(211000001);
    addTarget(211000002);
    m_engine.setTargetInfoUpdateState(TARGET_INFO_OP_UPDATED);
    m_engine.updateTargetInfo(0, TARGET_UPDATE_SYNC);

    m_engine.renderTarget(0, 0, false, true);
    EXPECT_EQ(m_service.ownDrawn, 1);
    EXPECT_EQ(m_service.aisDrawn, 2);
    EXPECT_EQ(m_service.tracksDrawn, 2);
    EXPECT_EQ(m_service.selectedDrawn, 0);
    EXPECT_FALSE(m_engine.targetView()->isRendering());

    ASSERT_TRUE(m_engine.queryTarget(0, 100, 100));
    m_engine.renderTarget(0, 0, false, false);
    EXPECT_EQ(m_service.aisDrawn, 5) << "two targets and the held one again on top";
    EXPECT_EQ(m_service.selectedDrawn, 1);
    EXPECT_EQ(m_service.tracksDrawn, 2);

    m_engine.reset();
    EXPECT_EQ(m_engine.targetInfo()->targetCount(), 0u);
    m_engine.renderTarget(0, 0, false, false);
    EXPECT_EQ(m_service.aisDrawn, 5);
}

TEST_F(SensorEngineTest, WaitRenderingReturnsWhenThePassEnds)
{
    CTargetView& view = *m_engine.targetView();
    view.setRendering(true);
    std::atomic<bool> waited{false};
    std::thread waiter([&view, &waited] {
        view.waitRendering();
        waited = true;
    });
    EXPECT_FALSE(waited);
    view.setRendering(false);
    waiter.join();
    EXPECT_TRUE(waited);
}

TEST(NaviColor, EntriesByBrightnessMode)
{
    CNaviColor colors;
    EXPECT_EQ(colors.naviColor(0).rgba(COLOR_BRILL_NIGHT), 0x4169E180u);
    EXPECT_EQ(colors.naviColor(1).rgb(COLOR_BRILL_NIGHT), 0x593216u);
    EXPECT_EQ(colors.naviColor(2).rgb(COLOR_BRILL_DUSK), 0x55200Eu);
    EXPECT_EQ(colors.naviColor(3).rgb(COLOR_BRILL_DAY_BLACK), 0x275FB1u);
    EXPECT_EQ(colors.naviColor(8).rgba(COLOR_BRILL_DEFAULT), 0xFFFF0080u);
    EXPECT_EQ(colors.naviColor(14).rgb(COLOR_BRILL_DUSK), 0x606060u);
    const struct
    {
        int entry;
        int copyOf;
    } copies[] = {{6, 0}, {9, 1}, {10, 2}, {11, 1}, {12, 3}, {13, 1}, {15, 14}};
    for (const auto& c : copies) {
        for (int mode = 0; mode < COLOR_BRILL_COUNT; ++mode)
            EXPECT_EQ(colors.naviColor(c.entry).rgba(static_cast<COLOR_BRILL_M>(mode)),
                      colors.naviColor(c.copyOf).rgba(static_cast<COLOR_BRILL_M>(mode)))
                << c.entry;
    }
    EXPECT_EQ(colors.naviColor(16).rgba(COLOR_BRILL_DEFAULT), colors.naviColor(0).rgba(COLOR_BRILL_DEFAULT));

    colors.switchColorBrill(COLOR_BRILL_DUSK);
    EXPECT_EQ(colors.naviColor(3).brill(), COLOR_BRILL_DEFAULT);
    EXPECT_EQ(colors.naviColor(4).brill(), COLOR_BRILL_DUSK);
    EXPECT_EQ(colors.naviColor(14).currentRgb(), 0x606060u);
    EXPECT_EQ(colors.naviColor(15).brill(), COLOR_BRILL_DUSK);
    EXPECT_EQ(colors.color(0).brill(), COLOR_BRILL_DEFAULT);

    CSensorEngine engine;
    CCountingService service;
    ASSERT_TRUE(engine.initialize(&service, 4));
    engine.switchColorBrill(COLOR_BRILL_NIGHT);
    EXPECT_EQ(engine.targetView()->colors().naviColor(7).brill(), COLOR_BRILL_NIGHT);
}

TEST(ToolModel, GuardZones)
{
    NaviScope::CToolModel tools;
    EXPECT_FALSE(tools.m_flag0);
    EXPECT_TRUE(tools.m_flag1);
    NaviScope::CGuardZone& zone = tools.m_guardZone;
    EXPECT_EQ(zone.m_zone[0].m_color, 0xC64DBBu);
    EXPECT_EQ(zone.m_zone[1].m_color, 0x7CF05Bu);
    EXPECT_EQ(zone.m_zone[0].m_mode, -1);
    EXPECT_EQ(zone.m_zone[0].m_inner, 30);
    EXPECT_FLOAT_EQ(zone.m_zone[0].m_end, 3.0f);

    NaviScope::CGuardZoneData data;
    EXPECT_FALSE(data.setSetting(2, 1, 0x123456, 1, 2, 0.5f, 1.5f));
    EXPECT_EQ(data.m_mode, -1);
    ASSERT_TRUE(data.setSetting(1, 7, NaviScope::GUARD_ZONE_COLOR_DEFAULT, 10, 20, 0.5f, 1.5f));
    EXPECT_EQ(data.m_color, 0x7CF05Bu);
    EXPECT_EQ(data.m_outer, 20);
    ASSERT_TRUE(data.setSetting(0, 7, NaviScope::GUARD_ZONE_COLOR_DEFAULT, 10, 20, 0.5f, 1.5f));
    EXPECT_EQ(data.m_color, 0xC64DBBu);
    ASSERT_TRUE(data.setSetting(0, 7, 0x102030, 10, 20, 0.5f, 1.5f));
    EXPECT_EQ(data.m_color, 0x102030u);
    data.setViewSetting(false, 0x405060);
    EXPECT_FALSE(data.m_view);
    EXPECT_EQ(data.m_color, 0x405060u);

    EXPECT_FALSE(zone.isEditing());
    zone.startEditing();
    EXPECT_TRUE(zone.isEditing());
    zone.stopEditing();
    EXPECT_FALSE(zone.isEditing());
}

TEST(ToolModel, AutoScroll)
{
    NaviScope::CAutoScrollTool scroll;
    EXPECT_FALSE(scroll.m_on);
    EXPECT_EQ(scroll.m_value, 21760);
    const Unit::SPointC2dI corners[TARGET_DISPLAY_COUNT] = {{640, 480}, {800, 600}, {101, 51}, {0, 0}};
    scroll.setDeployScreenPt(corners);
    EXPECT_EQ(scroll.deployScreenPt(0).x, 320);
    EXPECT_EQ(scroll.deployScreenPt(2).y, 25);

    scroll.setMode(3);
    EXPECT_TRUE(scroll.m_on);
    EXPECT_EQ(scroll.m_mode, 3);
    const Unit::SPointC2dI other[TARGET_DISPLAY_COUNT] = {{10, 10}, {10, 10}, {10, 10}, {10, 10}};
    scroll.setDeployScreenPt(other);
    EXPECT_EQ(scroll.deployScreenPt(0).x, 320) << "only mode 0 deploys";
    scroll.setMode(NaviScope::AUTO_SCROLL_MODE_OFF);
    EXPECT_FALSE(scroll.m_on);

    scroll.m_mode = -3;
    scroll.switchMode();
    EXPECT_EQ(scroll.m_mode, -2);
    EXPECT_TRUE(scroll.m_on);
    scroll.m_mode = 0;
    scroll.switchMode();
    EXPECT_EQ(scroll.m_mode, 1);
    scroll.switchMode();
    EXPECT_EQ(scroll.m_mode, 1);

    scroll.switchSet(-1);
    EXPECT_EQ(scroll.m_mode, 1) << "-1 while on switches";
    scroll.setMode(NaviScope::AUTO_SCROLL_MODE_OFF);
    scroll.switchSet(-1);
    EXPECT_TRUE(scroll.m_on) << "-1 while off is set as a mode";
    EXPECT_EQ(scroll.m_mode, -1);
    scroll.switchSet(2);
    EXPECT_FALSE(scroll.m_on);
}
