#pragma once

#include <cstdint>

// Navigation arithmetic: distances (km), bearings (degrees), the local scale of a degree and
// the closest point of approach. Positions are (longitude, latitude) in degrees.

struct SHIP_INFO_TO_CPA
{
    float latitude;
    float longitude;
    float sog;
    double cog;
};

struct VECTOR
{
    float x;
    float y;
    float z;
};

struct TRACK
{
    VECTOR velocity;
    VECTOR position;
};

struct CPA_SETTING
{
    uint32_t cpaLimit;
    uint32_t tcpaLimit;
    uint8_t flag1;
    uint8_t flag2;
};

extern CPA_SETTING CPA_Setting;

float Cal2PointsDistanceGC(float lon1, float lat1, float lon2, float lat2);
float Cal2PointsDistanceEllip(float lon1, float lat1, float lon2, float lat2);
void CalLonLatScale(float lon, float lat, float* nmPerDegLon, float* nmPerDegLat, float step);
float Cal2PointBearing(float lon1, float lat1, float lon2, float lat2);
float CalBearing(float lon1, float lat1, float lon2, float lat2);
// CPA in nautical miles and TCPA in minutes (negative when the closest point is past).
void cpa_distance_time(SHIP_INFO_TO_CPA first, SHIP_INFO_TO_CPA second, float* cpa, float* tcpa);
void CalVector(SHIP_INFO_TO_CPA first, SHIP_INFO_TO_CPA second, TRACK* firstTrack, TRACK* secondTrack);
float cpa_time(const TRACK* first, const TRACK* second);
VECTOR Vector_ADD(VECTOR a, VECTOR b);
VECTOR Vector_Sub(VECTOR a, VECTOR b);
VECTOR Vector_Scale(VECTOR a, float factor);
void CpaInitial();
