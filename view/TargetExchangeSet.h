#pragma once

#include "SensorEngine/TargetInfo.h"
#include "widgets/SortFilterProxyModel.h"
#include "widgets/StringGridModel.h"

#include <QString>
#include <QStringList>
#include <unordered_map>
#include <vector>

// The columns of the Other Vessels table.
enum TG_ITEM_CELL : int {
    TG_ITEM_NONE = -1,
    TG_ITEM_MMSI = 0,
    TG_ITEM_NAME = 1,
    TG_ITEM_CALL_SIGN = 2,
    TG_ITEM_CLASS = 3,
    TG_ITEM_SOG = 4,
    TG_ITEM_COG = 5,
    TG_ITEM_LAT = 6,
    TG_ITEM_LON = 7,
    TG_ITEM_RANGE = 8,
    TG_ITEM_BEARING = 9,
    TG_ITEM_REPORT_AGE = 10,
    TG_ITEM_CELL_COUNT = 11,
};

// Which column kind each position shows, with its header text and sort type.
struct STargetListItemSequence
{
    STargetListItemSequence();

    // Header texts by kind, translated, with their unit when withUnit.
    void SetHeaderString(bool withUnit);
    // Sort type of each position from its kind; then the header texts.
    void SetSortType();

    int iCount;
    QString strHeader[TG_ITEM_CELL_COUNT];
    TG_ITEM_CELL eCell[TG_ITEM_CELL_COUNT];
    // Read in place by the sort proxy whenever it sorts.
    CSortFilterProxyModel::SORT_T aSortType[TG_ITEM_CELL_COUNT];
};

// What one row shows of a target: the fields the columns are made from, copied out of the target
// table under its lock. Small on purpose, so that the lock is held only for a short copy.
struct STargetRowData
{
    uint32_t mmsi = 0;
    int32_t aisType = SensorScope::AIS_TYPE_NONE;
    double latitude = 91.0;
    double longitude = 181.0;
    float sog = 102.3f;
    float cog = 360.0f;
    float range = -1.0f;
    float bearing = 360.0f;
    time_t updateTime = 0;
    char name[SensorScope::TARGET_NAME_SIZE] = {};
    char callSign[SensorScope::TARGET_CALL_SIGN_SIZE] = {};
};

// The AIS targets as table rows, one per MMSI, behind a sort proxy that the two vessel tables
// show. Refreshed once a second on the GUI thread from a copy of the target table taken under
// the table's own lock; rows of known targets are rewritten in place, and only the cells whose
// values changed are formatted again.
class CTargetExchangeSet
{
public:
    CTargetExchangeSet();
    ~CTargetExchangeSet();
    CTargetExchangeSet(const CTargetExchangeSet&) = delete;
    CTargetExchangeSet& operator=(const CTargetExchangeSet&) = delete;

    void initMember();
    void setItemSequence(int count, const TG_ITEM_CELL* kinds);

    // Brings the rows in line with the target table; a null table is ignored.
    void updateExchangeSet(SensorScope::Target::CTargetInfo* targets);
    // The same from targets already copied, in ascending MMSI.
    void updateExchangeSet(const std::vector<STargetRowData>& targets);

    void buildModelItem(const STargetRowData* target);
    void updateModelItem(CStringGridModel::ROW_ITEMS* row, const STargetRowData* target);
    void buildItemString(QStringList* texts, const STargetRowData* target) const;

    // The row data of every AIS target, copied under the table's lock, in ascending MMSI.
    static void copyTargets(SensorScope::Target::CTargetInfo* targets, std::vector<STargetRowData>* out);

    // The model the table views are given.
    CSortFilterProxyModel* sortProxy() { return &m_proxy; }
    CStringGridModel* gridModel() { return &m_grid; }
    const STargetListItemSequence& itemSequence() const { return m_sequence; }

    // The wall clock of the report age; tests replace it.
    static void setHostClock(SensorScope::HostClock clock) { s_hostClock = clock; }

private:
    // A known target's row and what it last showed.
    struct SRewrite
    {
        CStringGridModel::ROW_ITEMS* row;
        const STargetRowData* target;
    };

    void mergeRows(const std::vector<STargetRowData>& targets, std::vector<SRewrite>* rewrites);
    void rebuildRows(const std::vector<STargetRowData>& targets);
    // Formats again only the cells whose values differ from what the row showed; a bit for each
    // column position whose text changed.
    unsigned int rewriteChangedCells(CStringGridModel::ROW_ITEMS* row, const STargetRowData& target, time_t now);
    // A rewritten row and the column positions whose text changed.
    struct SRowChange
    {
        int row;
        unsigned int columns;
    };
    // Tells the proxy and the views what the quiet rewrite changed, sorting only what moved.
    void announceChanges(const std::vector<SRowChange>& changes);

    CStringGridModel m_grid;
    CSortFilterProxyModel m_proxy;
    STargetListItemSequence m_sequence;
    // What each row was last made from, by MMSI, and the report age it shows.
    struct SShownRow
    {
        STargetRowData data;
        long long age;
    };
    std::unordered_map<unsigned int, SShownRow> m_shown;
    std::vector<STargetRowData> m_copies; // reused each second
    size_t m_lastCount = 0;

    static inline SensorScope::HostClock s_hostClock = &SensorScope::HostTime;
};
