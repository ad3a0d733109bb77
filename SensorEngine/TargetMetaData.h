#pragma once

#include "SensorEngine/NaviItem.h"
#include "SensorEngine/TargetAisData.h"
#include "SensorEngine/TargetNavi.h"

#include <memory>

namespace SensorScope {
namespace Target {

enum TARGET_TYPE : int32_t { TARGET_TYPE_NONE = -1, TARGET_TYPE_AIS = 0, TARGET_TYPE_ARPA = 1 };

constexpr uint32_t kTargetAisColor = 0x4C87E3;
constexpr uint32_t kTargetArpaColor = 0x40AAA5;

// One entry of the target table: the model's record, its display state and its track.
class CTargetMetaData : public CTargetNavi
{
public:
    CTargetMetaData() = default;
    CTargetMetaData(const CTargetMetaData&) = delete;
    CTargetMetaData& operator=(const CTargetMetaData&) = delete;

    void assignTargetModel(TARGET_TYPE model, bool isTarget, SENSOR_I62_LISTENER listener);
    void updateAisData(bool isTarget, SENSOR_I62_LISTENER listener);
    bool assignData(const CTargetMetaData* other);

    Unit::SPointG2dD getTargetPos() const;
    int16_t getTargetOffsetCourseDeg() const;
    void updateTargetLostDelFlag(int lostSeconds, int deleteSeconds);
    void updateOwnVslLostFlag(int seconds);
    void updateTargetDangerFlag(float cpaLimit, int tcpaLimit, int snoozeSeconds);
    void updateRotFlag();

    void recordTargetTrack();
    void addTrackNode(const NaviScope::SNaviNodeData& node);
    void doTargetsTrackLoseNode();

    // Set anew by the table at every fill: what was worked out from an earlier copy of the
    // record is not written back once this has changed.
    uint64_t generation() const { return m_generation; }
    void setGeneration(uint64_t generation) { m_generation = generation; }

    TARGET_TYPE model() const { return m_model; }
    CTargetAisData* aisData() const { return m_ais.get(); }
    CTargetArpaData* arpaData() const { return m_arpa.get(); }
    const NaviScope::CNaviTrackItem& track() const { return *m_track; }

private:
    TARGET_TYPE m_model = TARGET_TYPE_NONE;
    uint64_t m_generation = 0;
    std::unique_ptr<CTargetAisData> m_ais;
    std::unique_ptr<CTargetArpaData> m_arpa;
    std::unique_ptr<NaviScope::CNaviTrackItem> m_track = std::make_unique<NaviScope::CNaviTrackItem>();
};

} // namespace Target
} // namespace SensorScope
