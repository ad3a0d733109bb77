#pragma once

// Positions on the Earth: latitude and longitude in degrees, positive north and east.
namespace Algorithm {

// Haversine on a sphere of radius 6378.137 km; kilometres.
double Cal2PointsDistanceGoogle(double lon1, double lat1, double lon2, double lat2);
// Quick ellipsoid approximation; kilometres.
double Cal2PointsDistanceEllip(double lon1, double lat1, double lon2, double lat2);
// Nautical miles per degree of longitude and of latitude around a point, over span degrees.
void CalLonLatScaleEllip(double lon, double lat, double* nmPerDegLon, double* nmPerDegLat, double span);

// Vincenty's inverse formula on WGS-84: distance in nautical miles, initial bearing in
// [0, 360). Nearly antipodal points, where the iteration does not settle, fall back to
// the great circle.
double Cal2PointsDistVincenty(double lat1, double lon1, double lat2, double lon2);
double Cal2PointsBearingVincenty(double lat1, double lon1, double lat2, double lon2);
// Vincenty's direct formula: the point metres away on the bearing; longitude in [-180, 180).
void CalDestPointVincenty(double* lon2, double* lat2, double lon1, double lat1, float metres, float bearing);

// Nearest point of the segment (x1, y1)-(x2, y2) to (px, py) in plane terms, and the distance
// to it. A zero-length segment gives 0 and leaves the outputs alone.
double Poit2LineNearCrossDistLL(double* outX, double* outY, double x1, double y1, double x2, double y2, double px,
                                double py);

// 0 same hemisphere; -1 the short way crosses 0° (-2 eastward, -3 westward with direction);
// 1 it crosses 180° (3 eastward, 2 westward with direction).
int GetLonLineThMode(double lon1, double lon2, char withDirection);
// (maximum, minimum) pairs for a bounding-box search.
void InitialNumValueLL(double* maxMin);
void CompareLatValue(double* maxMin, double value);
void CompareLonValuePN(double* east, double* west, bool* seen, double value);
void GetLonValueCompareResult(double* out, const double* east, const double* west, const bool* seen, char mode);
void CalLineCenterLL(double* lat, double* lon, double lat1, double lat2, double lon1, double lon2, char mode);

} // namespace Algorithm
