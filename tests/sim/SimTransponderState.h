#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One AIS station the simulated transponder hears. A station with a name or a call sign also
// sends its static data each second: message 5 for class A (1), message 24 for class B (18).
struct SSimTarget
{
    uint32_t mmsi = 0;
    double latitude = 91.0;
    double longitude = 181.0;
    char channel = 'A';
    int messageId = 1;
    double sog = 0.0;
    double cog = 360.0; // not available
    std::string name{};
    std::string callSign{};
    int shipType = 0;
};

// One satellite in view, as the GSV and GSA sentences report it; an SNR of 0 goes out as an
// empty field (not tracked), a negative elevation or azimuth as empty elevation and azimuth
// fields (not yet located).
struct SSimSatellite
{
    int prn = 0;
    int elevation = 0;
    int azimuth = 0;
    int snr = 0;
    bool inUse = false;
};

// Everything the simulated transponder holds, plain and copyable, so that tests read it whole
// and set it before or during a run. The values are what the transponder reports; the setting
// sentences it receives change them.
struct SSimTransponderState
{
    int model = 1; // 1 "KVX-T-362", 2 "T-275"

    // Version reply
    std::string vendorId = "KEL";
    std::string uniqueId = "SIM0001";
    int64_t serialNumber = 5000000001234LL; // wider than 32 bits on purpose
    int modelCode = 7;
    std::string hardwareRev = "HW2";
    std::string sequenceId = "1";

    // System-data text
    uint32_t mmsi = 366123456;
    std::string shipName = "SEA SIMULATOR";
    std::string callSign = "WDA1234";
    int shipType = 37;
    int dimA = 10, dimB = 5, dimC = 2, dimD = 3;
    std::string snText = "SN778899";
    std::string firmware = "2.4.1";
    int dscMonitor = 1;
    int srmBoxCount = 4;
    std::string fwVersion = "FW-2.4.1-B7";
    int wifiModule = 2;
    int gpsOn = 1;
    int multipleBaudRate = 2;
    int gpsRi = 2;
    int gpsDynModel = 4;

    // Configuration groups
    int status[5] = {0, 1, 0, 1, 0}; // group 8117
    int baudCode[4] = {2, 5, 5, 6};  // port 1 in, port 1 out, port 2 in, port 2 out
    int nmea2000Instance = 17;
    int srmFlags = 2; // group 30 sub 1
    std::string group30Text12 = "TXT12";
    std::string srmSingle = "SINGLE SRM";
    std::string srmBox[4] = {"BOX ZERO", "BOX ONE", "BOX TWO", "BOX THREE"};
    int group108[7] = {0, 1, 1, 0, 2, 211000000, 1}; // sub 1 to 6 at [1] to [6]
    int group108Value109 = 42;
    int alrValue = 0; // group 31 sub 7 (model 2)
    int wifiPresent = 1; // group 600 sub 11 (model 2)
    uint32_t epv109 = 75;
    uint32_t epv110 = 76;
    int cekSequence = 0;
    uint32_t keyExchangeMmsi = 366999000;
    std::string encryptionCode = "KEY";

    // The last id/value pairs of "$PDBG" and "$PQXV,C,DBG" sentences, in order.
    std::vector<std::pair<int, int>> debugPairs;

    // Traffic
    double latitude = 52.25;
    double longitude = 4.5;
    double sog = 5.5;
    double cog = 87.0;
    char vdoChannel = 'B';
    // The UTC time of the GPS sentences, seconds since 1970; 0 takes the host's clock.
    long long utcSeconds = 0;
    // Satellites in view: none sends no GSA and no GSV.
    std::vector<SSimSatellite> satellites;
    int fixMode = 3;
    double hdop = 0.9;
    std::vector<SSimTarget> targets = {{244000001, 52.30, 4.60, 'A', 1}, {244000002, 52.20, 4.40, 'B', 18}};
};
