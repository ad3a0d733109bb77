#pragma once

#include "device/AisCommandData.h"
#include "device/DeviceDefine.h"

#include <cstddef>
#include <cstdint>

constexpr int CFG_STATUS_COUNT = 5;
constexpr int CFG_SRM_BOX_COUNT = 4;
constexpr int CFG_SRM_TEXT_SIZE = 256;
constexpr int CFG_GROUP108_VALUES = 5;

// The transponder's configuration as the tool knows it: plain data, copied whole.
class CSensorConfig
{
public:
    CSensorConfig();

    void initial();
    void assign(const CSensorConfig* other);
    // Whether the two differ in anything but the status values and the MMSI-programmed flag.
    bool differsForDisplay(const CSensorConfig& other) const;

    // One line of the system-data text; true when it holds "[SYSTEM DATA END]".
    bool updateConfigData(const char* text);
    // One CFG, EPV or CEK reply with what the reply parsers cut from it; false in every case.
    bool updateConfigDataForStd(const char* sentence, MACHINE_TYPE type, const SAISCommandData& data);
    void applyCFGCommandData(const SCFGCommandStruct& cfg, MACHINE_TYPE type);
    void applyEPVData(const SEPVCommandStruct& epv);
    void applyCEKData(const SCEKCommandStruct& cek);
    static uint32_t convBaudRateValue(int code);

    uint32_t iMmsi;
    char szShipName[23];
    char szCallSign[9];
    int iShipType;
    int iDimA;
    int iDimB;
    int iDimC;
    int iDimD;
    char szSerialNumber[16];
    char szFirmware[32];
    bool bGpsOn;
    char szDscMonitor[2];
    int iSrmBoxCount;
    uint32_t iEpv109;
    uint32_t iEpv110;
    char szFwVersion[32];
    bool bWiFiModule;
    int iMultipleBaudRate;
    int iGpsUpdateRate;
    int iGpsDynModel;
    bool bGpsOnCopy;
    int aiCfgStatus[CFG_STATUS_COUNT];
    bool bMmsiProgrammed;
    int iNmea1InBaud;
    int iNmea1OutBaud;
    int iNmea2InBaud;
    int iNmea2OutBaud;
    int iNmea2000Instance;
    int iSrmFlags;
    char szGroup30Text12[CFG_SRM_TEXT_SIZE];
    char szSrmSingle[CFG_SRM_TEXT_SIZE];
    char aszSrmBox[CFG_SRM_BOX_COUNT][CFG_SRM_TEXT_SIZE];
    int iGroup108Value109;
    int iSrmEnable;
    int iEncryptionPresent;
    int iEncryptionEnable;
    int iEncryptionAddrMode;
    int iEncryptionMmsi;
    bool bAlrSentence;
    int iCekField1;
    int iCekSequence;
    int64_t iKeyExchangeMmsi;
    char szEncryptionCode[100];
    char cCekStatus;

private:
    void applyStatusDigits(const SCFGCommandStruct& cfg);
};

// Readers of one value behind a key found anywhere in a line; false, storing nothing, when the
// key is absent. Nothing is read past the line's end.
bool floatDataRead(float* out, const char* key, const char* text);
// charDataRead copies at most length characters into out, whose size bounds the copy and its NUL.
bool charDataRead(char* out, std::size_t size, const char* key, int length, const char* text);
bool boolDataRead(bool* out, const char* key, const char* text);
bool intDataRead(int* out, const char* key, const char* text);
