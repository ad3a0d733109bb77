#pragma once

#include "SensorEngine/TargetBase.h"

#include "services/PortalQDt.h"
#include "services/Unit.h"

#include <cstddef>
#include <cstdint>

// Texts of target fields for lists and details: "N/A" where a field does not exist for the kind
// of station, "--" where it exists but is not available. Every writer takes its buffer's size
// and cuts the text to fit.
namespace SensorScope {
namespace Target {
namespace TargetStrConvt {

constexpr std::size_t kTypeTextWidth = 28;

int getShipTypeContent(char* dst, std::size_t size, uint8_t type);
int getCargoTypeContent(char* dst, std::size_t size, uint8_t type);
void formatStrLatLon(char* lat, std::size_t latSize, char* lon, std::size_t lonSize, double latitude, double longitude,
                     Unit::WORLD_POS_FORMAT format, bool fixedWidth);
void formatStrLat(char* dst, std::size_t size, double latitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth);
void formatStrLon(char* dst, std::size_t size, double longitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth);
void formatStrAisType(char* dst, std::size_t size, AIS_TYPE type, Unit::FORMAT_S format);
void formatStrIMO(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data);
void formatStrCallSign(char* dst, std::size_t size, AIS_TYPE type, const char* callSign);
void formatStrVslType(char* dst, std::size_t size, uint8_t shipType, AIS_TYPE type);
void formatStrCargo(char* dst, std::size_t size, uint8_t shipType, AIS_TYPE type);
void formatStrDestination(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data);
void formatStrETA(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data,
                  Portal::QDt::TIME_ZONE zone);
void formatStrDraught(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data);
void formatStrDimension(char* dst, std::size_t size, AIS_TYPE type, const SSensorTargetDimension& dimension);
void formatStrLength(char* dst, std::size_t size, AIS_TYPE type, const SSensorTargetDimension& dimension);
void formatStrBeam(char* dst, std::size_t size, AIS_TYPE type, const SSensorTargetDimension& dimension);
void formatStrEPFS(char* dst, std::size_t size, uint8_t epfs);
void formatStrLastReport(char* dst, std::size_t size, long long time, Portal::QDt::TIME_ZONE zone);
void formatStrNavSta(char* dst, std::size_t size, AIS_TYPE type, uint8_t status);
void formatStrHeading(char* dst, std::size_t size, float heading, bool withUnit);
void formatStrBearing(char* dst, std::size_t size, float bearing, Unit::BEARING_MEASURE measure, bool withUnit);
void formatStrCOG(char* dst, std::size_t size, AIS_TYPE type, float cog, bool withUnit);
void formatStrSOG(char* dst, std::size_t size, AIS_TYPE type, float sog, Unit::SPEED_UNIT unit, bool withUnit);
void formatStrHDOP(char* dst, std::size_t size, float hdop);
void formatStrROT(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data);
void formatStrCPA(char* dst, std::size_t size, float cpa, float tcpa);
void formatStrTCPA(char* dst, std::size_t size, float cpa, float tcpa);
void formatStrPosAccu(char* dst, std::size_t size, uint8_t accuracy);
void formatStrSartMode(char* dst, std::size_t size, const AIS_SART_DATA& data);
void formatStrAtonRealVirtual(char* dst, std::size_t size, const AIS_ATON_DATA& data);
void formatStrAtonType(char* dst, std::size_t size, const AIS_ATON_DATA& data);
void formatStrAtonStatus(char* dst, std::size_t size, const AIS_ATON_DATA& data);
void formatStrAtonLightStatus(char* dst, std::size_t size, const AIS_ATON_DATA& data);
void formatStrAtonRACONStatus(char* dst, std::size_t size, const AIS_ATON_DATA& data);
void formatStrAtonName(char* dst, std::size_t size, const char* name, const char* extension);
void formatStrArpaStatus(char* dst, std::size_t size, char status);
void formatStrXTE(char* dst, std::size_t size, float xte, Unit::DIST_UNIT unit, bool withUnit);

} // namespace TargetStrConvt
} // namespace Target
} // namespace SensorScope
