#pragma once

#include "i62/I62ComposeField.h"
#include "i62/I62Field.h"

#include <cstddef>
#include <cstdint>

// Field layouts of the GNSS sentences. Empty fields hold -100000.0 (float), 128 (u8 count or
// character), 0xFFFF (u16 id), 24:60:60 (time), 91/181 (position), 0/0/0 (date).

constexpr int GNSS_SAT_IDS = 12;
constexpr int GSV_SATS_PER_MSG = 4;
constexpr int GRS_RESIDUALS = 12;
constexpr int DTM_DATUM_SIZE = 6;

struct I62_GGA
{
    I62_UTC_TIME time;
    I62_DEGREE position;
    uint8_t quality;
    uint8_t satsInUse;
    float hdop;
    float altitude;
    uint8_t altitudeUnit;
    float geoidSep;
    uint8_t geoidSepUnit;
    float diffAge;
    uint16_t diffStation;
};

struct I62_GLL
{
    I62_DEGREE position;
    I62_UTC_TIME time;
    uint8_t status;
    uint8_t mode;
};

struct I62_GBS
{
    I62_UTC_TIME time;
    float errLatitude;
    float errLongitude;
    float errAltitude;
    int failedSat;
    float probability;
    float bias;
    float biasDeviation;
};

struct I62_GSA
{
    uint8_t selectionMode;
    uint8_t fixMode;
    uint8_t satIds[GNSS_SAT_IDS];
    float pdop;
    float hdop;
    float vdop;
};

struct I62_GSV_SAT
{
    uint8_t id;
    uint8_t elevation;
    uint16_t azimuth;
    uint8_t snr;
};

struct I62_GSV
{
    uint8_t messages;
    uint8_t number;
    uint8_t inView;
    I62_GSV_SAT sats[GSV_SATS_PER_MSG];
    uint8_t satCount;
};

struct I62_RMC
{
    I62_UTC_TIME time;
    uint8_t status;
    I62_DEGREE position;
    float sog;
    float cog;
    I62_DATE date;
    float variation;
    uint8_t variationDir;
    uint8_t mode;
    uint8_t navStatus;
};

struct I62_VTG
{
    float courseTrue;
    uint8_t courseTrueUnit;
    float courseMagnetic;
    uint8_t courseMagneticUnit;
    float speedKnots;
    uint8_t speedKnotsUnit;
    float speedKmh;
    uint8_t speedKmhUnit;
    uint8_t mode;
};

struct I62_ZDA
{
    I62_UTC_TIME time;
    uint8_t day;
    uint8_t month;
    int16_t year; // -1 when empty
    uint8_t zoneHours;
    uint8_t zoneMinutes;
};

struct I62_DTM
{
    char localDatum[DTM_DATUM_SIZE];
    char subdivision; // 0 when empty
    double latOffset; // minutes, south negative
    double lonOffset; // minutes, west negative
    float altOffset;
    char referenceDatum[DTM_DATUM_SIZE];
};

struct I62_GRS
{
    I62_UTC_TIME time;
    uint8_t mode;
    float residuals[GRS_RESIDUALS];
};

struct I62_GST
{
    I62_UTC_TIME time;
    float rms;
    float majorDeviation;
    float minorDeviation;
    float orientation;
    float latDeviation;
    float lonDeviation;
    float altDeviation;
};

struct I62_GNS
{
    I62_UTC_TIME time;
    I62_DEGREE position;
    uint8_t mode[2];
    uint8_t satsInUse[2]; // the first two characters of the field
    float hdop;
    float altitude;
    float geoidSep;
    float diffAge;
    float diffStation;
    uint8_t navStatus;
};

struct I61162_Data_Structure;

bool I62_FMT_GGA(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GLL(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GBS(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GSA(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GSV(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_VTG(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ZDA(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DTM(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GRS(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GST(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RMC(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RMC_Lack_ModeIndicator(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RMC_Add_NavStatus(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GNS(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GNS_Add_NavStatus(char* sentence, I61162_Data_Structure* record);
// Choose the RMC or GNS parser by the comma count.
bool RMC_ParseProc(char* sentence, I61162_Data_Structure* record);
bool GNS_ParseProc(char* sentence, I61162_Data_Structure* record);

// Write the sentence without checksum into destination (size bytes); false when it does not fit.
bool I62_FMT_RMC_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_GBS_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_GSA_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_ZDA_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
