#include "SensorEngine/SensorService.h"

#include "services/Geodesy.h"

void CSensorService::calMeasureValue(Unit::SVectorValueF* out, SensorScope::Target::CTargetMetaData*,
                                     Unit::SPointG2dD* from, Unit::SPointG2dD* to)
{
    if (out == nullptr || from == nullptr || to == nullptr)
        return;
    const double range =
        Algorithm::Cal2PointsDistVincenty(from->latitude, from->longitude, to->latitude, to->longitude);
    double bearing = Algorithm::Cal2PointsBearingVincenty(from->latitude, from->longitude, to->latitude, to->longitude);
    if (bearing < 0.0)
        bearing += 360.0;
    else if (bearing >= 360.0)
        bearing -= 360.0;
    out->range = static_cast<float>(range);
    out->bearing = static_cast<float>(bearing);
    out->bearing2 = static_cast<float>(bearing);
}
