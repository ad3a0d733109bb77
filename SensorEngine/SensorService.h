#pragma once

#include "SensorEngine/TargetBase.h"
#include "SensorEngine/TargetNavi.h"

#include "services/UnitTypes.h"

namespace SensorScope {
namespace Target {
class CTargetMetaData;
class COwnVslSetting;
class CTargetSetting;
using CTargetAis = CTargetMetaData;
} // namespace Target

// What the target model asks of its host: display geometry, drawing and measurement.
class CAbstractSensorService
{
public:
    virtual int16_t getAlarmSnoozeTime() = 0;
    virtual Target::STargetOutlineParameter getTargetOutlineParam(SSensorTargetDimension& dimension, bool own) = 0;
    virtual void calTargetNaviPivotScreenPoint(Target::CTargetNavi* navi) = 0;
    virtual void calTargetNaviScreenPoint(CTargetBase* target, Target::CTargetNavi* navi) = 0;
    virtual void calTargetTrackScreenPoint(Target::CTargetMetaData* target) = 0;
    virtual void calMeasureValue(Unit::SVectorValueF* out, Target::CTargetMetaData* record, Unit::SPointG2dD* from,
                                 Unit::SPointG2dD* to) = 0;
    virtual void drawOwnVslSymbol(char display, bool selected, Target::CTargetAis* own, int style,
                                  Target::COwnVslSetting* setting) = 0;
    virtual void drawAisSymbol(char display, bool selected, Target::CTargetMetaData* target, int style,
                               Target::CTargetSetting* setting) = 0;
    virtual void drawArpaSymbol(char display, bool selected, Target::CTargetMetaData* target, int style,
                                Target::CTargetSetting* setting) = 0;
    virtual void drawTargetTrack(char display, int style, Target::CTargetMetaData* target) = 0;
    virtual bool checkTargetOutline(const SSensorTargetDimension& dimension) const = 0;
    virtual bool checkTargetInScreen(char display, Unit::SSizePtI& box) const = 0;
    virtual bool checkPointInScreen(char display, Unit::SPointC2dI& point) const = 0;

protected:
    ~CAbstractSensorService() = default;
};

} // namespace SensorScope

// This program's service: no display, so only range and bearing are measured.
class CSensorService : public SensorScope::CAbstractSensorService
{
public:
    int16_t getAlarmSnoozeTime() override { return 0; }
    SensorScope::Target::STargetOutlineParameter getTargetOutlineParam(SensorScope::SSensorTargetDimension&,
                                                                       bool) override
    {
        return {};
    }
    void calTargetNaviPivotScreenPoint(SensorScope::Target::CTargetNavi*) override {}
    void calTargetNaviScreenPoint(SensorScope::CTargetBase*, SensorScope::Target::CTargetNavi*) override {}
    void calTargetTrackScreenPoint(SensorScope::Target::CTargetMetaData*) override {}
    void calMeasureValue(Unit::SVectorValueF* out, SensorScope::Target::CTargetMetaData* record, Unit::SPointG2dD* from,
                         Unit::SPointG2dD* to) override;
    void drawOwnVslSymbol(char, bool, SensorScope::Target::CTargetAis*, int,
                          SensorScope::Target::COwnVslSetting*) override
    {}
    void drawAisSymbol(char, bool, SensorScope::Target::CTargetMetaData*, int,
                       SensorScope::Target::CTargetSetting*) override
    {}
    void drawArpaSymbol(char, bool, SensorScope::Target::CTargetMetaData*, int,
                        SensorScope::Target::CTargetSetting*) override
    {}
    void drawTargetTrack(char, int, SensorScope::Target::CTargetMetaData*) override {}
    bool checkTargetOutline(const SensorScope::SSensorTargetDimension&) const override { return false; }
    bool checkTargetInScreen(char, Unit::SSizePtI&) const override { return false; }
    bool checkPointInScreen(char, Unit::SPointC2dI&) const override { return false; }
};
