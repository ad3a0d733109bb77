#pragma once

#include <cstdint>

// Sentence groups and formatter ids, and the hand-over of a decomposed sentence to the store
// of its group.

enum I62_GROUP {
    I62_GROUP_NONE = -1,
    I62_GROUP_GPS = 1,
    I62_GROUP_SENSOR = 2,
    I62_GROUP_LONG_RANGE = 3,
    I62_GROUP_AIS = 4,
    I62_GROUP_DSC = 5,
    I62_GROUP_PROPRIETARY = 6,
    I62_GROUP_ATON = 7,
    I62_GROUP_RADAR = 8,
    I62_GROUP_QUERY = 88
};

constexpr int I62_FORMATTER_ID_QUERY = 0;
constexpr int I62_FORMATTER_ID_NONE = 64;
constexpr int I62_QUERY_SLOTS = 4;

// The formatters of the query sentences received, in the first free of four slots.
struct I62_QUERY_DATA
{
    char formatter[I62_QUERY_SLOTS][4];
    uint8_t used[I62_QUERY_SLOTS];
};

extern I62_QUERY_DATA I62QueryData;

struct I61162_Data_Structure;

// Group and formatter id of a formatter: (88, 0) for a query ('Q' first), (-1, 64) when unknown.
void I62_GetGroupType(int* group, int* formatterId, const char* formatter);
// Writes the group into the record and hands the record to the store of its group.
void I62_ProcessData(I61162_Data_Structure* record);
