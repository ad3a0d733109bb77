#pragma once

#include "comm/CommDefine.h"
#include "i62/I62Frame.h"

#include <cstdint>
#include <ctime>

namespace SensorScope {

// What a parsed sentence updates.
enum SENSOR_I62_LISTENER : int32_t {
    SENSOR_I62_LISTENER_NONE = 0,
    SENSOR_I62_LISTENER_HDT = 1,         // true heading
    SENSOR_I62_LISTENER_HDM = 2,         // magnetic heading
    SENSOR_I62_LISTENER_SAT_DOP = 4,     // satellites in use and DOP
    SENSOR_I62_LISTENER_STATISTIC = 8,   // fault statistics or date
    SENSOR_I62_LISTENER_POSITION = 12,   // GNSS position
    SENSOR_I62_LISTENER_SAT_VIEW = 13,   // satellites in view
    SENSOR_I62_LISTENER_AIS_TARGET = 16, // a VDM
    SENSOR_I62_LISTENER_OWN_PRIMARY = 32,
    SENSOR_I62_LISTENER_OWN_OTHER = 33,
    SENSOR_I62_LISTENER_OWN_34 = 34, // accepted by the target table, produced by no sentence
};

// The kind of an AIS station, as the station records of the sentence library keep it.
enum AIS_TYPE : int32_t {
    AIS_TYPE_BASE = 0,
    AIS_TYPE_SAR = 1,
    AIS_TYPE_ATON = 2,
    AIS_TYPE_CLASS_A = 3,
    AIS_TYPE_CLASS_B = 4,
    AIS_TYPE_SART = 5,
    AIS_TYPE_NONE = 6,
};

// Seconds of the host clock; replaceable so the once-a-second and 30-second rules can be tested.
using HostClock = time_t (*)();
time_t HostTime();

} // namespace SensorScope

// Received text above 200 characters is dropped; the buffer also takes the two characters a
// repaired line end may add, and the blanks the sentence library's pre-parse may insert.
constexpr int SENSOR_SENTENCE_MAX = I62_MAX_SENTENCE_LEN;
constexpr int SENSOR_SENTENCE_BUF_SIZE = I62_SENTENCE_BUF_SIZE;

// One received sentence on its way through the sentence handler.
typedef struct SSensorSentencePackage
{
    COMM::CONNECT_COMM_DATA ConntData;
    char sentence[SENSOR_SENTENCE_BUF_SIZE];
} SENSOR_SENTENCE_PACKAGE;

// One entry of the checksum-error queue.
typedef struct SSetenceCheckSumErrorInfo
{
    time_t time = 0;
    wchar_t devName[COMM::kDevNameSize] = {};
    char sentence[SENSOR_SENTENCE_MAX + 1] = {};
} SETENCE_CHECKSUM_ERROR_INFO;
