#include "view/AisCfgViewResourceText.h"

#include "LogProbe.h"
#include "QtPrint.h"

#include <gtest/gtest.h>

namespace {

QStringList baudRateNames(const CResourceText& text)
{
    return QStringList(std::begin(text.strBaudRateName), std::end(text.strBaudRateName));
}

QStringList srmNames(const CResourceText& text)
{
    return QStringList(std::begin(text.strSRMName), std::end(text.strSRMName));
}

const QStringList kDefaultBaudRates = {"NMEA 1 Input", "NMEA 1 Output", "NMEA 2 Input", "NMEA 2 Output"};
const QStringList kDefaultSrm = {"SRM Text 1", "SRM Text 2", "SRM Text 3", "SRM Text 4"};

} // namespace

TEST(RowNames, DefaultsUntilATransponderIsKnown)
{
    CAisCfgViewResourceText text;
    EXPECT_EQ(baudRateNames(text), kDefaultBaudRates);
    EXPECT_EQ(srmNames(text), kDefaultSrm);
    text.updateBaudRateName(MACHINE_TYPE_NONE, 3);
    EXPECT_EQ(baudRateNames(text), kDefaultBaudRates);

    text.setBaudRateName(BAUDRATE_NMEA2_OUT, "Spare");
    text.setSRMName(SRM_DISP_TEXT_1, "Box");
    text.setBaudRateName(static_cast<BAUDRATE>(4), "ignored");
    EXPECT_EQ(text.strBaudRateName[3], "Spare");
    EXPECT_EQ(text.strSRMName[0], "Box");
    text.initCfgBaudRateName();
    text.initCfgSRMName();
    EXPECT_EQ(baudRateNames(text), kDefaultBaudRates);
    EXPECT_EQ(srmNames(text), kDefaultSrm);
}

TEST(RowNames, BaudRateRowsByModelAndPortCount)
{
    const struct
    {
        MACHINE_TYPE type;
        int count;
        QStringList names;
    } cases[] = {
        {MACHINE_TYPE_KVX_T_362, 2, kDefaultBaudRates},
        {MACHINE_TYPE_KVX_T_362, 3, {"NMEA 1 Input", "NMEA 1 Output", "NMEA 2 Input/Output", ""}},
        {MACHINE_TYPE_KVX_T_362, 4, {"NMEA 1 Input", "NMEA 1 Output", "", ""}},
        {MACHINE_TYPE_KVX_T_362, 5, {"", "", "", ""}},
        {MACHINE_TYPE_KVX_T_362, 0, {"", "", "", ""}},
        {MACHINE_TYPE_T_275, 2, {"NMEA 1", "", "NMEA 2", ""}},
        {MACHINE_TYPE_T_275, 4, {"NMEA 1", "", "NMEA 2", ""}},
        {static_cast<MACHINE_TYPE>(3), 2, {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        CAisCfgViewResourceText text;
        LogProbe log;
        text.updateBaudRateName(c.type, c.count);
        EXPECT_EQ(baudRateNames(text), c.names) << c.type << " " << c.count;
        EXPECT_EQ(log.count("Machine Type out of range !"), c.type == 3 ? 1 : 0) << c.type << " " << c.count;
    }
}

TEST(RowNames, SrmRowsByAvailabilityBoxCountAndSingleText)
{
    const struct
    {
        int enable;
        int count;
        bool single;
        QStringList names;
    } cases[] = {
        {1, 4, false, kDefaultSrm},
        {1, 1, false, {"SRM Text", "", "", ""}},
        {1, 4, true, {"SRM Text", "", "", ""}},
        {0, 4, true, {"SRM Text", "", "", ""}},
        {0, 4, false, {"", "", "", ""}},
        {1, 2, false, {"", "", "", ""}},
        {2, 4, false, {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        CAisCfgViewResourceText text;
        text.updateSRMName(c.enable, c.count, c.single);
        EXPECT_EQ(srmNames(text), c.names) << c.enable << " " << c.count << " " << c.single;
    }
}
