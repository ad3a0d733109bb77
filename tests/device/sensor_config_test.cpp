#include "device/AISControl.h"
#include "device/SensorConfig.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using TestSupport::withChecksum;

namespace {

// The system-data text as a transponder sends it: one key per line, CR LF.
std::vector<std::string> systemData(MACHINE_TYPE type)
{
    std::vector<std::string> lines = {
        "MMSI:(211234567)\r\n",  "Name:(NORDIC STAR)\r\n",
        "Call Sign:(DABC)\r\n",  "Ship Cargo Type:(70) A:(100) B:(20) C:(5) D:(6)\r\n",
        "S/N:(KV0012345)\r\n",   "Firmware:1.0.3 2026-11-02\r\n",
        "DSC Monitor:(1)\r\n",   "4 SRM box:(4)\r\n",
        "[FwVersion]=1.0.3\r\n", "[WiFiModule]=2\r\n",
        "[GPS_OnOff]=1\r\n",     "[MultipleBaudRate]=4\r\n",
        "[GPS_RI]=2\r\n",        "[GPS_NAV5_dynModel]=5\r\n",
    };
    if (type == MACHINE_TYPE_T_275) {
        lines[9] = "[WiFiModule]=0\r\n";
        lines[11] = "[MultipleBaudRate]=2\r\n";
    }
    lines.push_back("[SYSTEM DATA END]\r\n");
    return lines;
}

// A reply through the parsers into the record, as the transponder's handler passes it on.
void apply(CSensorConfig& config, CAISControl& control, MACHINE_TYPE type, const std::string& body)
{
    const std::string sentence = withChecksum(body);
    ASSERT_TRUE(control.paser(sentence.c_str())) << body;
    EXPECT_FALSE(config.updateConfigDataForStd(sentence.c_str(), type, control.commandData()));
}

} // namespace

TEST(SensorConfig, SystemDataTextOfEachModel)
{
    for (MACHINE_TYPE type : {MACHINE_TYPE_KVX_T_362, MACHINE_TYPE_T_275}) {
        CSensorConfig config;
        const std::vector<std::string> lines = systemData(type);
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(config.updateConfigData(lines[i].c_str()), i + 1 == lines.size()) << lines[i];
        EXPECT_EQ(config.iMmsi, 211234567u);
        EXPECT_TRUE(config.bMmsiProgrammed);
        EXPECT_STREQ(config.szShipName, "NORDIC STAR");
        EXPECT_STREQ(config.szCallSign, "DABC");
        EXPECT_EQ(config.iShipType, 70);
        EXPECT_EQ(config.iDimA, 100);
        EXPECT_EQ(config.iDimB, 20);
        EXPECT_EQ(config.iDimC, 5);
        EXPECT_EQ(config.iDimD, 6);
        EXPECT_STREQ(config.szSerialNumber, "KV0012345");
        EXPECT_STREQ(config.szFirmware, "1.0.3 2026-11-02");
        EXPECT_STREQ(config.szDscMonitor, "1");
        EXPECT_EQ(config.iSrmBoxCount, 4);
        EXPECT_STREQ(config.szFwVersion, "1.0.3");
        EXPECT_EQ(config.bWiFiModule, type == MACHINE_TYPE_KVX_T_362);
        EXPECT_TRUE(config.bGpsOn);
        EXPECT_TRUE(config.bGpsOnCopy);
        EXPECT_EQ(config.iMultipleBaudRate, type == MACHINE_TYPE_KVX_T_362 ? 4 : 2);
        EXPECT_EQ(config.iGpsUpdateRate, 2);
        EXPECT_EQ(config.iGpsDynModel, 5);
        EXPECT_EQ(config.aiCfgStatus[0], -1);
    }
}

TEST(SensorConfig, SystemDataEdges)
{
    CSensorConfig config;
    config.updateConfigData("MMSI:(0)\r\n");
    EXPECT_FALSE(config.bMmsiProgrammed);
    config.updateConfigData("[GPS_OnOff]=0\r\n");
    config.updateConfigData("[GPS_RI]=2\r\n");
    EXPECT_EQ(config.iGpsUpdateRate, 0) << "no update rate while the GPS is off";
    config.iDimA = 7;
    config.updateConfigData("Ship Cargo Type:(36)\r\n");
    EXPECT_EQ(config.iShipType, 36);
    EXPECT_EQ(config.iDimA + config.iDimB + config.iDimC + config.iDimD, 0);
    std::strcpy(config.szShipName, "OLD");
    config.updateConfigData("Name:(NO END\r\n");
    EXPECT_STREQ(config.szShipName, "");
    // A unit may hold several bracketed values: a terminator in front of the value is another
    // key's, and the value still ends at its own.
    config.updateConfigData("(x) Name:(ABC)\r\n");
    EXPECT_STREQ(config.szShipName, "ABC");
    config.updateConfigData("(x) Name:(ABC\r\n");
    EXPECT_STREQ(config.szShipName, "") << "none behind the value: empty";
    config.updateConfigData(("Name:(" + std::string(60, 'N') + ")\r\n").c_str());
    EXPECT_EQ(std::strlen(config.szShipName), sizeof(config.szShipName) - 1) << "cut to the field";
    config.updateConfigData(("S/N:(" + std::string(40, '9') + ")\r\n").c_str());
    EXPECT_EQ(std::strlen(config.szSerialNumber), sizeof(config.szSerialNumber) - 1);
    config.updateConfigData(("Firmware:" + std::string(50, 'F') + "\r\n").c_str());
    EXPECT_EQ(std::strlen(config.szFirmware), sizeof(config.szFirmware) - 1);
    config.updateConfigData("DSC Monitor:(10)\r\n");
    EXPECT_STREQ(config.szDscMonitor, "1");
    EXPECT_FALSE(config.updateConfigData("nothing here"));
}

TEST(SensorConfig, ConfigurationRepliesByGroupAndModel)
{
    struct Case
    {
        MACHINE_TYPE type;
        const char* reply;
        std::function<bool(const CSensorConfig&)> holds;
    };
    const Case cases[] = {
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,30,1,2,", [](const CSensorConfig& c) { return c.iSrmFlags == 2; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,30,1,2,", [](const CSensorConfig& c) { return c.iSrmFlags == 0; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,30,3,14,SECURITE ^2C KEEP CLEAR",
         [](const CSensorConfig& c) { return std::strcmp(c.szSrmSingle, "SECURITE ^2C KEEP CLEAR") == 0; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,30,3,12,TWELVE",
         [](const CSensorConfig& c) { return std::strcmp(c.szGroup30Text12, "TWELVE") == 0; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,30,5,3,BOX THREE",
         [](const CSensorConfig& c) { return std::strcmp(c.aszSrmBox[3], "BOX THREE") == 0; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,30,5,4,NO BOX",
         [](const CSensorConfig& c) { return c.aszSrmBox[3][0] == '\0'; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,31,7,0,", [](const CSensorConfig& c) { return c.bAlrSentence; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,31,7,0,", [](const CSensorConfig& c) { return !c.bAlrSentence; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,108,6,0,", [](const CSensorConfig& c) { return c.bAlrSentence; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,108,1,1,", [](const CSensorConfig& c) { return c.iSrmEnable == 1; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,108,5,211000001,",
         [](const CSensorConfig& c) { return c.iEncryptionMmsi == 211000001; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,108,109,7,", [](const CSensorConfig& c) { return c.iGroup108Value109 == 7; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,183,11,4,",
         [](const CSensorConfig& c) { return c.iNmea1InBaud == 14400; }},
        {MACHINE_TYPE_KVX_T_362, "$PQXV,R,CFG,183,20,6,",
         [](const CSensorConfig& c) { return c.iNmea2OutBaud == 4800; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,183,2,1,",
         [](const CSensorConfig& c) { return c.iNmea2InBaud == 57600 && c.iNmea2OutBaud == 57600; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,183,2000,5,",
         [](const CSensorConfig& c) { return c.iNmea2000Instance == 5; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,183,2000,300,",
         [](const CSensorConfig& c) { return c.iNmea2000Instance == 0; }},
        {MACHINE_TYPE_T_275, "$PQXV,R,CFG,600,11,1,", [](const CSensorConfig& c) { return c.bWiFiModule; }},
        {MACHINE_TYPE_T_275, "$AIEPV,R,AI,211234567,110,76,", [](const CSensorConfig& c) { return c.iEpv110 == 0; }},
        {MACHINE_TYPE_T_275, "$AIEPV,R,AI,211234567,110,76", [](const CSensorConfig& c) { return c.iEpv110 == 76; }},
        {MACHINE_TYPE_T_275, "$AIEPV,R,AI,211234567,109,75", [](const CSensorConfig& c) { return c.iEpv109 == 75; }},
        {MACHINE_TYPE_T_275, "$AIEPV,R,AI,211234567,111,75",
         [](const CSensorConfig& c) { return c.iEpv109 == 0 && c.iEpv110 == 0; }},
    };
    for (const Case& c : cases) {
        CSensorConfig config;
        CAISControl control;
        apply(config, control, c.type, c.reply);
        EXPECT_TRUE(c.holds(config)) << c.reply << " model " << c.type;
    }
}

TEST(SensorConfig, StatusDigitsOfGroup8117)
{
    CSensorConfig config;
    CAISControl control;
    apply(config, control, MACHINE_TYPE_T_275, "$PQXV,R,CFG,8117,124,101,3");
    EXPECT_EQ(config.aiCfgStatus[0], -1);
    EXPECT_EQ(config.aiCfgStatus[1], 1);
    EXPECT_EQ(config.aiCfgStatus[2], 0);
    EXPECT_EQ(config.aiCfgStatus[4], 1);
    apply(config, control, MACHINE_TYPE_T_275, "$PQXV,R,CFG,8117,95,11,2"); // index 9 is skipped
    EXPECT_EQ(config.aiCfgStatus[0], -1);
    EXPECT_EQ(config.aiCfgStatus[4], 1);
    EXPECT_EQ(config.aiCfgStatus[3], -1);
    apply(config, control, MACHINE_TYPE_T_275, "$PQXV,R,CFG,8117,3,1,1");
    EXPECT_EQ(config.aiCfgStatus[3], 1);
    // Counts that are no positive number, or that no int divisor can hold, are ignored.
    for (const char* count : {"0", "x", "", "10", "12"}) {
        CSensorConfig fresh;
        apply(fresh, control, MACHINE_TYPE_T_275, std::string("$PQXV,R,CFG,8117,1,1,") + count);
        for (int status : fresh.aiCfgStatus)
            EXPECT_EQ(status, -1) << count;
    }
    apply(config, control, MACHINE_TYPE_T_275, "$PQXV,R,CFG,8117,12,11,9");
    EXPECT_EQ(config.aiCfgStatus[0], 0) << "nine digits: the leading ones name status 0 with 0";
    EXPECT_EQ(config.aiCfgStatus[2], 1);
    // A negative sub-index or value names no status: nothing in the record changes, least of
    // all the field in front of the status values.
    for (const char* reply : {"$PQXV,R,CFG,8117,-1,1,1", "$PQXV,R,CFG,8117,1,-1,1"}) {
        CSensorConfig fresh;
        const CSensorConfig untouched;
        apply(fresh, control, MACHINE_TYPE_T_275, reply);
        EXPECT_EQ(std::memcmp(&fresh, &untouched, sizeof(fresh)), 0) << reply;
    }
}

TEST(SensorConfig, BaudCodesAndEncryptionCode)
{
    const int expected[] = {115200, 57600, 38400, 19200, 14400, 9600, 4800};
    for (int code = 0; code < 7; ++code)
        EXPECT_EQ(CSensorConfig::convBaudRateValue(code), static_cast<uint32_t>(expected[code]));
    EXPECT_EQ(CSensorConfig::convBaudRateValue(7), 115200u);
    EXPECT_EQ(CSensorConfig::convBaudRateValue(-1), 115200u);

    CSensorConfig config;
    CAISControl control;
    apply(config, control, MACHINE_TYPE_KVX_T_362, "$AICEK,1,1,,211234567," + std::string(32, '0') + "4B4C56,R");
    EXPECT_STREQ(config.szEncryptionCode, "KLV");
    EXPECT_EQ(config.iKeyExchangeMmsi, 211234567);
    EXPECT_EQ(config.cCekStatus, 'R');
    // Not a reply: the numbers and the status, but the code stays.
    apply(config, control, MACHINE_TYPE_KVX_T_362, "$AICEK,1,1,,244000001,414243,C");
    EXPECT_STREQ(config.szEncryptionCode, "KLV");
    EXPECT_EQ(config.iKeyExchangeMmsi, 244000001);
    EXPECT_EQ(config.cCekStatus, 'C');
    apply(config, control, MACHINE_TYPE_KVX_T_362, "$AICEK,1,1,,244000001,,R");
    EXPECT_STREQ(config.szEncryptionCode, "");
    // A key of 79 characters, odd length included, stays within the code.
    apply(config, control, MACHINE_TYPE_KVX_T_362, "$AICEK,1,1,,244000001," + std::string(79, '4') + ",R");
    EXPECT_EQ(std::strlen(config.szEncryptionCode), 40u);
}

TEST(SensorConfig, AWrongChecksumChangesNothing)
{
    CSensorConfig config;
    CAISControl control;
    ASSERT_TRUE(control.paser(withChecksum("$PQXV,R,CFG,108,1,1,").c_str()));
    std::string bad = withChecksum("$PQXV,R,CFG,108,1,1,");
    bad[bad.size() - 4] = bad[bad.size() - 4] == 'A' ? 'B' : 'A';
    config.updateConfigDataForStd(bad.c_str(), MACHINE_TYPE_KVX_T_362, control.commandData());
    EXPECT_EQ(config.iSrmEnable, 0);
}

TEST(SensorConfig, CopiesResetsAndWhatTheDisplayCompares)
{
    CSensorConfig received;
    for (const std::string& line : systemData(MACHINE_TYPE_KVX_T_362))
        received.updateConfigData(line.c_str());
    received.aiCfgStatus[2] = 1;
    CSensorConfig shown;
    EXPECT_TRUE(shown.differsForDisplay(received));
    shown.assign(&received);
    EXPECT_FALSE(shown.differsForDisplay(received));
    shown.aiCfgStatus[1] = 0;
    shown.bMmsiProgrammed = false;
    EXPECT_FALSE(shown.differsForDisplay(received)) << "status values and the programmed flag are not compared";
    shown.iGpsDynModel = 4;
    EXPECT_TRUE(shown.differsForDisplay(received));

    received.initial();
    EXPECT_EQ(received.iMmsi, 0u);
    EXPECT_STREQ(received.szShipName, "");
    EXPECT_EQ(received.aiCfgStatus[2], 1) << "initial keeps the status values";
}

TEST(SensorConfigReaders, StopAtTheEndOfTheText)
{
    char out[32];
    std::memset(out, 'x', sizeof(out));
    EXPECT_TRUE(charDataRead(out, sizeof(out), "ID:", 20, "ID:AB"));
    EXPECT_STREQ(out, "AB") << "fewer characters than asked: as many as there are";
    EXPECT_FALSE(charDataRead(out, sizeof(out), "ID:", -1, "ID:AB"));
    EXPECT_FALSE(charDataRead(out, sizeof(out), "NO:", 3, "ID:AB"));
    // Asked for as many characters as the destination holds: its NUL stays inside it.
    struct
    {
        char text[4];
        char next;
    } field{{}, 'n'};
    EXPECT_TRUE(charDataRead(field.text, sizeof(field.text), "ID:", 4, "ID:ABCDEF"));
    EXPECT_STREQ(field.text, "ABC");
    EXPECT_EQ(field.next, 'n');

    bool flag = false;
    EXPECT_TRUE(boolDataRead(&flag, "Key:", "Key:ON"));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(boolDataRead(&flag, "Key:", "Key:OFF"));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(boolDataRead(&flag, "Key:", "Key:1"));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(boolDataRead(&flag, "Key:", "Key:"));
    EXPECT_TRUE(flag) << "nothing recognised: unchanged";
    EXPECT_TRUE(boolDataRead(&flag, "Key:", "Key:xxxxxxxxx0"));
    EXPECT_TRUE(flag) << "only the first nine characters count";

    int number = 0;
    EXPECT_TRUE(intDataRead(&number, "N=", "N=42"));
    EXPECT_EQ(number, 42);
    float value = 0;
    EXPECT_TRUE(floatDataRead(&value, "F=", "F=1.5"));
    EXPECT_FLOAT_EQ(value, 1.5f);
}
