#pragma once

#include "SensorEngine/SensorService.h"
#include "SensorEngine/TargetMetaData.h"
#include "SensorEngine/TargetSetting.h"

#include <QMutex>
#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace SensorScope {
namespace Target {

// Which records an operation covers.
enum TARGET_SOURCE : int {
    TARGET_SOURCE_OWN = 1,
    TARGET_SOURCE_AIS = 16,
    TARGET_SOURCE_ARPA = 256,
};

// Update mask bits: which own-ship sources have reported since the last reset.
constexpr uint32_t kMaskGps = 0x1;
constexpr uint32_t kMaskHeading = 0x10;
constexpr uint32_t kMaskOwnVdo = 0x100;
constexpr uint32_t kMaskListener34 = 0x1000;

// One target as a reader on another thread sees it: a copy taken under the table's lock.
struct STargetCopy
{
    CTargetAisData ais;
    time_t updateTime = 0;
};

// The AIS stations heard and the own vessel. Filled on the communication thread, refreshed
// once a second on the GUI thread; every operation holds the table's lock while it touches it.
class CTargetInfo
{
public:
    static constexpr int kOwnLostSeconds = 40;
    // Targets one hold of the lock covers in the once-a-second walks, so that the link's
    // thread never waits for a whole table of thousands.
    static constexpr size_t kTargetsPerHold = 256;

    explicit CTargetInfo(CAbstractSensorService* service);
    ~CTargetInfo();
    CTargetInfo(const CTargetInfo&) = delete;
    CTargetInfo& operator=(const CTargetInfo&) = delete;

    void fillAisOwnData(SENSOR_I62_LISTENER listener);
    void fillAisTargetData(unsigned int mmsi);
    void updateOwnVslData();
    void calTargetSourcePivotScreenPoint(int sources);
    void updateAllTargetMeasureValue();
    void updateAisMeasureValue();
    void reset();
    void clearAllTargets();

    // Consistent copies for readers on other threads.
    std::vector<STargetCopy> getTargetCopies();
    bool getOwnCopy(STargetCopy* out);
    size_t targetCount();
    uint32_t updateMask();

    void initial();
    void setSensorService(CAbstractSensorService* service);
    void detectNewExtSensor(uint32_t sources);
    void setOwnVslPos(double latitude, double longitude);
    void setOwnAisPos(double latitude, double longitude);
    SSensorTargetDimension getTargetDimension(const CTargetMetaData* record, int source) const;
    uint64_t getHorderTargeStyle();
    bool queryTarget(char display, int x, int y, const std::string& mmsi);
    bool queryTargetAis(char display, int x, int y, unsigned int mmsi);
    bool queryTargetArpa(char, int, int, unsigned int) { return false; }
    static bool checkTargetExist(char display, CTargetMetaData* record, int x, int y, unsigned int mmsi);
    void updateHolderTarget(CTargetMetaData* record, time_t time);
    void calTargetScreenPoint();
    void calTargetSourceScreenPoint(int sources);
    void calTargetPivotScreenPoint();
    void calAllTargetTrackScreenPoint();
    void calTargetSourceOutlineFactor(int sources);
    void updateTargetOutlineParameter(CTargetMetaData* record);
    void updateAllTargetNaviStatusFlag();
    void doAisTargetsInspection();
    void recordTargetTrack();
    // Runs visit on the own vessel's display record, every target and the held target (or
    // null), under the table's lock: a drawing pass sees one consistent table.
    using RecordVisitor = std::function<void(
        CTargetMetaData* own, const std::map<unsigned int, CTargetMetaData*>& targets, CTargetMetaData* holder)>;
    void visitRecords(const RecordVisitor& visit);

    COwnVslSetting m_ownSetting;
    CTargetSetting m_targetSetting;

private:
    // The table's lock, taken through here so that the once-a-second walks see who waits.
    class CLock
    {
    public:
        explicit CLock(CTargetInfo& table);
        ~CLock();
        CLock(const CLock&) = delete;
        CLock& operator=(const CLock&) = delete;

    private:
        CTargetInfo& m_table;
    };

    void letWaitingIn();
    CTargetMetaData* findTarget(unsigned int mmsi);
    void forgetTarget(unsigned int mmsi, const CTargetMetaData* record);
    void forgetAllTargets();
    void updateMeasureValue(CTargetMetaData* own, CTargetAisData* target);
    void updateTargetPivotData(CTargetMetaData* record, int source);
    void updateAllAisNaviStatusFlag(int snoozeSeconds);

    QMutex m_mutex;
    std::atomic<int> m_waiting{0};    // threads in CLock that found the mutex taken
    std::atomic<uint64_t> m_taken{0}; // times the mutex was taken through CLock
    CAbstractSensorService* m_service;
    CTargetMetaData* m_ownTarget = nullptr;
    CTargetMetaData m_ownNavi;
    std::map<unsigned int, CTargetMetaData*> m_targets;
    CTargetMetaData* m_holder = nullptr;
    uint32_t m_updateMask = 0;
    uint64_t m_generation = 0; // the last one given to a filled target

    // The link's thread looks up the target of every VDM: a small table by the MMSI's low bits
    // answers first, the map's walk down its tree costing several times more.
    struct SRecentTarget
    {
        unsigned int mmsi = 0;
        CTargetMetaData* record = nullptr;
    };
    static constexpr size_t kRecentSlots = 1024;
    std::array<SRecentTarget, kRecentSlots> m_recent{};
};

} // namespace Target
} // namespace SensorScope
