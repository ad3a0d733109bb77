#pragma once

#include <cstdint>

namespace SensorScope {
namespace Target {

struct SOwnVslBaseSet
{
    uint8_t display = 1;
    uint8_t second = 0;
    float value1 = 15.0f;
    float value2 = 10.0f;
    float dimA = 50.0f;
    float dimB = 50.0f;
    float dimC = 15.0f;
    float dimD = 15.0f;
    uint32_t word = 0;
};

struct SOwnVslSymStyleSet
{
    uint8_t flags[4] = {1, 1, 1, 1};
    uint8_t style[3] = {1, 0, 6};
};

struct SOwnVslGuardRangeSet
{
    uint32_t word = 0;
    float range = 0.3f;
};

// How the own vessel is displayed.
class COwnVslSetting
{
public:
    void setBase(const SOwnVslBaseSet& base) { m_base = base; }
    void setSymStyle(const SOwnVslSymStyleSet& style) { m_symStyle = style; }
    void setGuardRange(const SOwnVslGuardRangeSet& range) { m_guardRange = range; }

    SOwnVslBaseSet m_base;
    SOwnVslSymStyleSet m_symStyle;
    SOwnVslGuardRangeSet m_guardRange;
};

struct STargetTypeShowSet
{
    uint8_t show[8] = {1, 1, 1, 1, 1, 1, 1, 1};
};

struct STargetSymStyleSet
{
    uint8_t style[4] = {0, 1, 1, 6};
};

struct STargetTimeOutSet
{
    int32_t lostSeconds = 300;
    int32_t deleteSeconds = 600;
};

struct STargetActiveSet
{
    int32_t value = 10;
    uint32_t flags = 0; // bit 0: every target counts as activated at each status pass
    int32_t further = 5;
};

struct STargetCpaSet
{
    float cpaLimit = 0.25f; // NM
    int32_t tcpaLimit = 5;  // minutes
};

// How the targets are displayed, aged and judged dangerous.
class CTargetSetting
{
public:
    void setTypeDisp(const STargetTypeShowSet& show) { m_typeShow = show; }
    void setSymStyle(const STargetSymStyleSet& style) { m_symStyle = style; }
    void setTimeOut(const STargetTimeOutSet& timeOut) { m_timeOut = timeOut; }
    void setActive(const STargetActiveSet& active) { m_active = active; }
    void setCPA(const STargetCpaSet& cpa) { m_cpa = cpa; }

    STargetTypeShowSet m_typeShow;
    STargetSymStyleSet m_symStyle;
    STargetTimeOutSet m_timeOut;
    STargetActiveSet m_active;
    STargetCpaSet m_cpa;
};

} // namespace Target
} // namespace SensorScope
