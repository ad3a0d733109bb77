#include "SensorEngine/TargetMetaData.h"

#include <cstdlib>

namespace SensorScope {
namespace Target {

void CTargetMetaData::assignTargetModel(TARGET_TYPE model, bool isTarget, SENSOR_I62_LISTENER listener)
{
    m_model = model;
    if (model == TARGET_TYPE_ARPA) {
        if (isTarget)
            setColor(kTargetArpaColor);
        if (!m_arpa)
            m_arpa = std::make_unique<CTargetArpaData>();
        return;
    }
    if (model != TARGET_TYPE_AIS)
        return;
    if (isTarget)
        setColor(kTargetAisColor);
    if (!m_ais)
        m_ais = std::make_unique<CTargetAisData>();
    updateTime(now());
    m_ais->updateData(isTarget, listener);
}

void CTargetMetaData::updateAisData(bool isTarget, SENSOR_I62_LISTENER listener)
{
    if (m_model != TARGET_TYPE_AIS || !m_ais)
        return;
    updateTime(now());
    m_ais->updateData(isTarget, listener);
}

bool CTargetMetaData::assignData(const CTargetMetaData* other)
{
    if (other == nullptr)
        return false;
    if (m_model == TARGET_TYPE_AIS) {
        if (!m_ais || !other->m_ais)
            return false;
        *m_ais = *other->m_ais;
    } else if (m_model == TARGET_TYPE_ARPA) {
        if (!m_arpa || !other->m_arpa)
            return false;
        *m_arpa = *other->m_arpa;
    } else {
        return false;
    }
    assignNavi(*other);
    return true;
}

Unit::SPointG2dD CTargetMetaData::getTargetPos() const
{
    if (m_model == TARGET_TYPE_AIS && m_ais)
        return {m_ais->m_latitude, m_ais->m_longitude};
    if (m_model == TARGET_TYPE_ARPA && m_arpa)
        return {m_arpa->m_latitude, m_arpa->m_longitude};
    return {};
}

int16_t CTargetMetaData::getTargetOffsetCourseDeg() const
{
    return m_model == TARGET_TYPE_AIS && m_ais ? m_ais->getCourseDeg(false) : 0;
}

void CTargetMetaData::updateTargetLostDelFlag(int lostSeconds, int deleteSeconds)
{
    if (m_model != TARGET_TYPE_AIS || !m_ais)
        return;
    const long long age = std::llabs(static_cast<long long>(now() - m_updateTime));
    if (age <= lostSeconds) {
        m_ais->setPosOk(true);
        setLost(false);
        setDelete(false);
        return;
    }
    m_ais->setPosOk(false);
    setLost(true);
    if (age > deleteSeconds)
        setDelete(true);
}

void CTargetMetaData::updateOwnVslLostFlag(int seconds)
{
    const long long age = std::llabs(static_cast<long long>(now() - m_updateTime));
    if (age > seconds) {
        setLost(true);
        if (m_ais)
            m_ais->setPosOk(false);
    }
}

void CTargetMetaData::updateTargetDangerFlag(float cpaLimit, int tcpaLimit, int snoozeSeconds)
{
    const CTargetBase* record = m_model == TARGET_TYPE_AIS ? static_cast<const CTargetBase*>(m_ais.get())
                                                           : static_cast<const CTargetBase*>(m_arpa.get());
    if (record != nullptr)
        updateDangerFlag(record->m_cpa, record->m_tcpa, cpaLimit, tcpaLimit, snoozeSeconds);
}

void CTargetMetaData::updateRotFlag()
{
    if (m_model != TARGET_TYPE_AIS || !m_ais || m_ais->m_aisType != AIS_TYPE_CLASS_A) {
        setRotDirection(TARGET_ROT_NONE);
        return;
    }
    const float rot = m_ais->m_class.classA.rot;
    if (rot == 0.0f || rot >= 9999.0f)
        setRotDirection(TARGET_ROT_NONE);
    else
        setRotDirection(rot > 0.0f ? TARGET_ROT_STARBOARD : TARGET_ROT_PORT);
}

void CTargetMetaData::recordTargetTrack()
{
    NaviScope::SNaviNodeData node;
    m_track->initNodeFeatures(&node.features);
    const CTargetBase* record = m_model == TARGET_TYPE_AIS ? static_cast<const CTargetBase*>(m_ais.get())
                                                           : static_cast<const CTargetBase*>(m_arpa.get());
    if (record == nullptr)
        return;
    node.latitude = record->m_latitude;
    node.longitude = record->m_longitude;
    node.features.speed = record->m_sog;
    node.features.course = record->m_cog;
    if (m_model == TARGET_TYPE_AIS)
        node.features.heading = m_ais->m_trueHeading;
    m_track->appendNode(node);
}

void CTargetMetaData::addTrackNode(const NaviScope::SNaviNodeData& node)
{
    m_track->appendNode(node);
}

void CTargetMetaData::doTargetsTrackLoseNode()
{
    m_track->trimToNewest(NaviScope::CNaviTrackItem::kMaxNodes);
}

} // namespace Target
} // namespace SensorScope
