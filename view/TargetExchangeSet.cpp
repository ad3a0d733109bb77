#include "view/TargetExchangeSet.h"

#include "SensorEngine/TargetStrConvt.h"
#include "services/StringConvt.h"
#include "services/SysDebug.h"

#include <QObject>
#include <cstdio>
#include <cstdlib>

using namespace SensorScope;
using namespace SensorScope::Target;

namespace {

// Per column kind: the header's base text (looked up in the translations), its unit and how
// the column sorts.
struct SColumnKind
{
    const char* header;
    const char* unit;
    CSortFilterProxyModel::SORT_T sortType;
};

const SColumnKind kColumnKinds[TG_ITEM_CELL_COUNT] = {
    {"MMSI", nullptr, CSortFilterProxyModel::SORT_VARIANT},
    {"Ship's Name", nullptr, CSortFilterProxyModel::SORT_VARIANT},
    {"Call Sign", nullptr, CSortFilterProxyModel::SORT_VARIANT},
    {"Class", nullptr, CSortFilterProxyModel::SORT_VARIANT},
    {"Speed", "Kn", CSortFilterProxyModel::SORT_DOUBLE},
    {"Course", nullptr, CSortFilterProxyModel::SORT_DOUBLE},
    {"Latitude", nullptr, CSortFilterProxyModel::SORT_VARIANT},
    {"Longitude", nullptr, CSortFilterProxyModel::SORT_VARIANT},
    {"Range", "NM", CSortFilterProxyModel::SORT_DOUBLE},
    {"Bearing", "\xC2\xB0", CSortFilterProxyModel::SORT_DOUBLE},
    {"Report Age", "s", CSortFilterProxyModel::SORT_INT},
};

const TG_ITEM_CELL kNaturalSequence[TG_ITEM_CELL_COUNT] = {
    TG_ITEM_MMSI, TG_ITEM_NAME, TG_ITEM_CALL_SIGN, TG_ITEM_CLASS,   TG_ITEM_SOG,        TG_ITEM_COG,
    TG_ITEM_LAT,  TG_ITEM_LON,  TG_ITEM_RANGE,     TG_ITEM_BEARING, TG_ITEM_REPORT_AGE,
};

bool validKind(TG_ITEM_CELL kind)
{
    return kind >= 0 && kind < TG_ITEM_CELL_COUNT;
}

// Neither true nor relative: the bearing gets no suffix.
constexpr auto kNoBearingMeasure = static_cast<Unit::BEARING_MEASURE>(-1);

// The text of one cell; false for a kind outside the table.
bool cellText(char* text, std::size_t size, TG_ITEM_CELL kind, const STargetCopy& target, time_t now)
{
    const CTargetAisData& ais = target.ais;
    const auto type = static_cast<AIS_TYPE>(ais.m_aisType);
    switch (kind) {
    case TG_ITEM_MMSI:
        StringConvt::formatStrID(text, size, ais.m_mmsi, 9);
        return true;
    case TG_ITEM_NAME:
        std::snprintf(text, size, "%.*s", static_cast<int>(sizeof(ais.m_name)), ais.m_name);
        return true;
    case TG_ITEM_CALL_SIGN:
        std::snprintf(text, size, "%.*s", static_cast<int>(sizeof(ais.m_callSign)), ais.m_callSign);
        return true;
    case TG_ITEM_CLASS:
        TargetStrConvt::formatStrAisType(text, size, type, Unit::FORMAT_S_SHORT);
        return true;
    case TG_ITEM_SOG:
        TargetStrConvt::formatStrSOG(text, size, type, ais.m_sog, Unit::SPEED_UNIT_KN, false);
        return true;
    case TG_ITEM_COG:
        TargetStrConvt::formatStrCOG(text, size, type, ais.m_cog, false);
        return true;
    case TG_ITEM_LAT:
        TargetStrConvt::formatStrLat(text, size, ais.m_latitude, Unit::WORLD_POS_FORMAT_DEG_MIN_SEC, true);
        return true;
    case TG_ITEM_LON:
        TargetStrConvt::formatStrLon(text, size, ais.m_longitude, Unit::WORLD_POS_FORMAT_DEG_MIN_SEC, true);
        return true;
    case TG_ITEM_RANGE:
        StringConvt::formatStrRange(text, size, ais.m_range, Unit::DIST_UNIT_NM, false);
        return true;
    case TG_ITEM_BEARING:
        TargetStrConvt::formatStrBearing(text, size, ais.m_bearing, kNoBearingMeasure, false);
        return true;
    case TG_ITEM_REPORT_AGE: {
        // A clock set back shows the same age as one gone forward.
        const auto age = static_cast<int32_t>(static_cast<uint32_t>(now - target.updateTime));
        std::snprintf(text, size, "%lld", std::llabs(static_cast<long long>(age)));
        return true;
    }
    default:
        return false;
    }
}

} // namespace

STargetListItemSequence::STargetListItemSequence() : iCount(0)
{
    for (int i = 0; i < TG_ITEM_CELL_COUNT; ++i) {
        eCell[i] = TG_ITEM_NONE;
        aSortType[i] = CSortFilterProxyModel::SORT_VARIANT;
    }
}

void STargetListItemSequence::SetHeaderString(bool withUnit)
{
    for (int i = 0; i < iCount; ++i) {
        const TG_ITEM_CELL kind = eCell[i];
        if (!validKind(kind)) {
            SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
            continue;
        }
        const SColumnKind& column = kColumnKinds[kind];
        QString header = QObject::tr(column.header);
        if (withUnit && column.unit != nullptr)
            header += QStringLiteral(" (%1)").arg(QString::fromUtf8(column.unit));
        strHeader[kind] = header;
    }
}

void STargetListItemSequence::SetSortType()
{
    SetHeaderString(true);
    for (int i = 0; i < iCount; ++i) {
        const TG_ITEM_CELL kind = eCell[i];
        if (!validKind(kind)) {
            SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
            continue;
        }
        aSortType[i] = kColumnKinds[kind].sortType;
    }
}

CTargetExchangeSet::CTargetExchangeSet()
{
    initMember();
}

CTargetExchangeSet::~CTargetExchangeSet()
{
    m_grid.deleteAll();
}

void CTargetExchangeSet::initMember()
{
    setItemSequence(TG_ITEM_CELL_COUNT, kNaturalSequence);
    m_proxy.setSourceModel(&m_grid);
}

void CTargetExchangeSet::setItemSequence(int count, const TG_ITEM_CELL* kinds)
{
    if (kinds == nullptr || count < 0)
        return;
    if (count > TG_ITEM_CELL_COUNT)
        count = TG_ITEM_CELL_COUNT;
    m_sequence.iCount = count;
    for (int i = 0; i < count; ++i)
        m_sequence.eCell[i] = kinds[i];
    m_sequence.SetSortType();
    m_grid.setColumnCount(count);
    for (int i = 0; i < count; ++i) {
        const TG_ITEM_CELL kind = m_sequence.eCell[i];
        m_grid.setHeaderData(i, Qt::Horizontal, validKind(kind) ? m_sequence.strHeader[kind] : QString());
    }
    m_proxy.setColumnSortType(m_sequence.aSortType);
}

void CTargetExchangeSet::updateExchangeSet(CTargetInfo* targets)
{
    if (targets == nullptr)
        return;
    // The communication thread writes the table: work on a copy taken under its lock.
    updateExchangeSet(targets->getTargetCopies());
}

void CTargetExchangeSet::updateExchangeSet(const std::vector<STargetCopy>& targets)
{
    if (targets.empty()) {
        m_grid.deleteAll();
        return;
    }
    // One re-sort for the whole refresh instead of one for each cell that changed.
    const bool dynamicSort = m_proxy.dynamicSortFilter();
    m_proxy.setDynamicSortFilter(false);
    mergeRows(targets);
    const size_t rows = static_cast<size_t>(m_grid.rowCount(QModelIndex()));
    if (targets.size() != m_grid.rowMap.size() || targets.size() != rows) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Target's count is not match");
        rebuildRows(targets);
    }
    m_proxy.setDynamicSortFilter(dynamicSort);
}

void CTargetExchangeSet::mergeRows(const std::vector<STargetCopy>& targets)
{
    auto cursor = m_grid.rowMap.begin();
    for (const STargetCopy& target : targets) {
        const unsigned int mmsi = target.ais.m_mmsi;
        // Rows below the next target's MMSI belong to targets that have gone.
        while (cursor != m_grid.rowMap.end() && cursor->first < mmsi) {
            const unsigned int gone = cursor->first;
            ++cursor;
            m_grid.deleteItem(gone);
        }
        if (cursor != m_grid.rowMap.end() && cursor->first == mmsi) {
            updateModelItem(cursor->second, &target);
            ++cursor;
        } else {
            buildModelItem(&target);
        }
    }
}

void CTargetExchangeSet::rebuildRows(const std::vector<STargetCopy>& targets)
{
    m_grid.deleteAll();
    for (const STargetCopy& target : targets)
        buildModelItem(&target);
}

void CTargetExchangeSet::buildModelItem(const STargetCopy* target)
{
    if (target == nullptr)
        return;
    QStringList texts;
    buildItemString(&texts, target);
    QList<QIcon> noIcons;
    m_grid.addItem(target->ais.m_mmsi, texts, noIcons);
}

void CTargetExchangeSet::updateModelItem(CStringGridModel::ROW_ITEMS* row, const STargetCopy* target)
{
    if (row == nullptr || target == nullptr)
        return;
    QStringList texts;
    buildItemString(&texts, target);
    QList<QIcon> noIcons;
    m_grid.updateItem(row, texts, noIcons);
}

void CTargetExchangeSet::buildItemString(QStringList* texts, const STargetCopy* target) const
{
    if (texts == nullptr || target == nullptr || m_sequence.iCount < 1)
        return;
    const time_t now = s_hostClock();
    char text[64];
    for (int i = 0; i < m_sequence.iCount; ++i) {
        if (!cellText(text, sizeof(text), m_sequence.eCell[i], *target, now)) {
            SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
            continue;
        }
        texts->append(QString::fromUtf8(text));
    }
}
