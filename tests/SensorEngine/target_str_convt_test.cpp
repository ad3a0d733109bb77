#include "SensorEngine/TargetStrConvt.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

using namespace SensorScope;
using namespace SensorScope::Target::TargetStrConvt;

namespace {

std::string text(const std::function<void(char*, std::size_t)>& write)
{
    char buffer[64];
    std::memset(buffer, 'x', sizeof(buffer));
    write(buffer, sizeof(buffer));
    return buffer;
}

const std::string kDeg = "\xC2\xB0";

} // namespace

TEST(TargetTexts, ShipAndCargoTypes)
{
    const struct
    {
        int type;
        const char* ship;
        const char* cargo;
    } cases[] = {
        {67, "Passenger ship", "Unknown Cargo!"},
        {9, "Undefined ship type!", "Unknown Cargo!"},
        {39, "Vessel-Future type", "Unknown Cargo!"},
        {56, "Local assigned vessel", "Unknown Cargo!"},
        {73, "Cargo ship", "DG,HS or MP(Pollutant C)"},
        {36, "Vessel-Sailing", "Unknown Cargo!"},
        {80, "Tanker", "N/A; Harmless"},
        {52, "Tug", "Unknown Cargo!"},
        {99, "Unknown ship type!", "Unknown Cargo!"},
        {100, "Undefined ship type!", "Unknown Cargo!"},
    };
    for (const auto& c : cases) {
        const uint8_t type = static_cast<uint8_t>(c.type);
        EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrVslType(d, s, type, AIS_TYPE_CLASS_A); }), c.ship)
            << c.type;
        EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrCargo(d, s, type, AIS_TYPE_CLASS_B); }), c.cargo)
            << c.type;
    }
    // Padded to 28 in the raw form; types below 10 and the units digit 5 and above.
    char padded[40];
    EXPECT_EQ(getShipTypeContent(padded, sizeof(padded), 67), 19);
    EXPECT_EQ(std::string(padded), "Passenger ship              ");
    getCargoTypeContent(padded, sizeof(padded), 4);
    EXPECT_EQ(std::string(padded), "DG,HS or MP(Pollutant D)    ");
    getCargoTypeContent(padded, sizeof(padded), 5);
    EXPECT_EQ(std::string(padded), "Unknown Cargo!              ");
    EXPECT_EQ(text([](char* d, std::size_t s) { formatStrVslType(d, s, 70, AIS_TYPE_ATON); }), "N/A");
}

TEST(TargetTexts, PlaceholdersByKindAndAvailability)
{
    const struct
    {
        std::function<void(char*, std::size_t)> write;
        const char* expected;
    } cases[] = {
        {[](char* d, std::size_t s) { formatStrSOG(d, s, AIS_TYPE_BASE, 12.0f, Unit::SPEED_UNIT_KN, false); }, "N/A"},
        {[](char* d, std::size_t s) { formatStrSOG(d, s, AIS_TYPE_CLASS_B, 102.3f, Unit::SPEED_UNIT_KN, true); }, "--"},
        {[](char* d, std::size_t s) { formatStrCOG(d, s, AIS_TYPE_ATON, 12.0f, true); }, "N/A"},
        {[](char* d, std::size_t s) { formatStrCOG(d, s, AIS_TYPE_CLASS_A, 360.0f, true); }, "--"},
        {[](char* d, std::size_t s) { formatStrCOG(d, s, AIS_TYPE_CLASS_A, 84.44f, true); }, "84.4\xC2\xB0"},
        {[](char* d, std::size_t s) { formatStrHeading(d, s, 511.0f, true); }, "--"},
        {[](char* d, std::size_t s) { formatStrHeading(d, s, 370.0f, false); }, "10"},
        {[](char* d, std::size_t s) { formatStrBearing(d, s, 45.0f, Unit::BEARING_MEASURE_TRUE, true); },
         "45\xC2\xB0 T"},
        {[](char* d, std::size_t s) { formatStrBearing(d, s, 360.0f, Unit::BEARING_MEASURE_TRUE, true); }, "--"},
        {[](char* d, std::size_t s) { formatStrHDOP(d, s, 99.9f); }, "--"},
        {[](char* d, std::size_t s) { formatStrHDOP(d, s, 1.5f); }, " 1.5"},
        {[](char* d, std::size_t s) { formatStrLat(d, s, 91.0, Unit::WORLD_POS_FORMAT_DEG, false); }, "--"},
        {[](char* d, std::size_t s) { formatStrLon(d, s, 181.0, Unit::WORLD_POS_FORMAT_DEG, false); }, "--"},
        {[](char* d, std::size_t s) { formatStrCallSign(d, s, AIS_TYPE_CLASS_A, ""); }, "--"},
        {[](char* d, std::size_t s) { formatStrCallSign(d, s, AIS_TYPE_SAR, "X"); }, "N/A"},
        {[](char* d, std::size_t s) {
             formatStrDimension(d, s, AIS_TYPE_SAR, {1, 2, 3, 4});
         },
         "N/A"},
        {[](char* d, std::size_t s) { formatStrDimension(d, s, AIS_TYPE_CLASS_B, {}); }, "--"},
        {[](char* d, std::size_t s) {
             formatStrDimension(d, s, AIS_TYPE_CLASS_A, {100.9f, 20, 5, 6});
         },
         "A:100m,B:20m,C:5m,D:6m"},
        {[](char* d, std::size_t s) {
             formatStrLength(d, s, AIS_TYPE_CLASS_A, {100.5f, 20.6f, 5, 6});
         },
         "121m"},
        {[](char* d, std::size_t s) { formatStrBeam(d, s, AIS_TYPE_ATON, {}); }, "--"},
        {[](char* d, std::size_t s) { formatStrEPFS(d, s, 3); }, "GPS+GLONASS"},
        {[](char* d, std::size_t s) { formatStrEPFS(d, s, 8); }, "Undefined"},
        {[](char* d, std::size_t s) { formatStrNavSta(d, s, AIS_TYPE_CLASS_A, 5); }, "Moored"},
        {[](char* d, std::size_t s) { formatStrNavSta(d, s, AIS_TYPE_CLASS_A, 9); }, "Undefined!"},
        {[](char* d, std::size_t s) { formatStrNavSta(d, s, AIS_TYPE_CLASS_B, 0); }, "N/A"},
        {[](char* d, std::size_t s) { formatStrCPA(d, s, 0.256f, 5.0f); }, "0.26"},
        {[](char* d, std::size_t s) { formatStrTCPA(d, s, 0.256f, 5.04f); }, "5.0"},
        {[](char* d, std::size_t s) { formatStrCPA(d, s, -1.0f, 0.0f); }, "N/A"},
        {[](char* d, std::size_t s) { formatStrPosAccu(d, s, 1); }, "High"},
        {[](char* d, std::size_t s) { formatStrAisType(d, s, AIS_TYPE_BASE, Unit::FORMAT_S_LONG); }, "Base Station"},
        {[](char* d, std::size_t s) { formatStrAisType(d, s, AIS_TYPE_CLASS_A, Unit::FORMAT_S_SHORT); }, "A"},
        {[](char* d, std::size_t s) { formatStrAisType(d, s, AIS_TYPE_CLASS_B, static_cast<Unit::FORMAT_S>(2)); },
         "(B)"},
        {[](char* d, std::size_t s) { formatStrAisType(d, s, AIS_TYPE_NONE, Unit::FORMAT_S_LONG); }, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(c.write), c.expected);
}

TEST(TargetTexts, ClassAVoyageAndRateOfTurn)
{
    AIS_CLASS_A_DATA a{};
    const auto rot = [&](float value) {
        a.rot = value;
        return text([&](char* d, std::size_t s) { formatStrROT(d, s, AIS_TYPE_CLASS_A, a); });
    };
    EXPECT_EQ(rot(2.0f), "2" + kDeg + "/min");
    EXPECT_EQ(rot(2.5f), "2.5" + kDeg + "/min");
    EXPECT_EQ(rot(-1200.0f), ">5(L)" + kDeg + "/30s");
    EXPECT_EQ(rot(1000.0f), ">5(R)" + kDeg + "/30s");
    EXPECT_EQ(rot(9990.0f), "--");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrROT(d, s, AIS_TYPE_CLASS_B, a); }), "N/A");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrIMO(d, s, AIS_TYPE_CLASS_A, a); }), "--");
    a.imo = 9134270;
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrIMO(d, s, AIS_TYPE_CLASS_A, a); }), "9134270");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrDraught(d, s, AIS_TYPE_CLASS_A, a); }), "--");
    a.draught = 12.2f;
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrDraught(d, s, AIS_TYPE_CLASS_A, a); }), "12.2 m");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrDestination(d, s, AIS_TYPE_CLASS_A, a); }), "--");
    EXPECT_EQ(
        text([&](char* d, std::size_t s) { formatStrETA(d, s, AIS_TYPE_CLASS_A, a, Portal::QDt::TIME_ZONE(14)); }),
        "--");
}

TEST(TargetTexts, AtonStates)
{
    AIS_ATON_DATA aton{};
    aton.virtualAton = 1;
    aton.atonType = 31;
    aton.status = 1 | 2 << 1 | 2 << 3;
    aton.offPosition = 1;
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrAtonRealVirtual(d, s, aton); }), "Virtual");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrAtonType(d, s, aton); }), "Light Vessel/LANBY/Rigs");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrAtonStatus(d, s, aton); }), "Alarm, Off position");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrAtonLightStatus(d, s, aton); }), "OFF");
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrAtonRACONStatus(d, s, aton); }), "Operational");
    EXPECT_EQ(text([](char* d, std::size_t s) { formatStrAtonName(d, s, "IBC G BUOY@@@", "EXT@@"); }), "IBC G BUOYEXT");
    EXPECT_EQ(text([](char* d, std::size_t s) { formatStrAtonName(d, s, "NOORD HINDER NORTH 1", "23 CARDINAL@"); }),
              "NOORD HINDER NORTH 123 CARDINAL");
    AIS_SART_DATA sart{2};
    EXPECT_EQ(text([&](char* d, std::size_t s) { formatStrSartMode(d, s, sart); }), "Test Mode");
    // A buffer too small gets the text cut, never overrun.
    char small[4] = {'x', 'x', 'x', 'x'};
    formatStrNavSta(small, sizeof(small), AIS_TYPE_CLASS_A, 0);
    EXPECT_STREQ(small, "Und");
}
