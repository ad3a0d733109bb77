#include "view/TargetExchangeSet.h"

#include "SensorEngine/TargetStrConvt.h"
#include "services/StringConvt.h"
#include "services/SysDebug.h"

#include <QObject>
#include <QSignalBlocker>
#include <algorithm>
#include <cstring>
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

// Seconds since the target's last report; a clock set back shows the same age as one gone forward.
long long reportAge(time_t now, time_t updateTime)
{
    const auto age = static_cast<int32_t>(static_cast<uint32_t>(now - updateTime));
    return std::llabs(static_cast<long long>(age));
}

// The text of one cell; false for a kind outside the table.
bool cellText(char* text, std::size_t size, TG_ITEM_CELL kind, const STargetRowData& target, time_t now)
{
    const auto type = static_cast<AIS_TYPE>(target.aisType);
    switch (kind) {
    case TG_ITEM_MMSI:
        StringConvt::formatStrID(text, size, target.mmsi, 9);
        return true;
    case TG_ITEM_NAME:
        std::snprintf(text, size, "%.*s", static_cast<int>(sizeof(target.name)), target.name);
        return true;
    case TG_ITEM_CALL_SIGN:
        std::snprintf(text, size, "%.*s", static_cast<int>(sizeof(target.callSign)), target.callSign);
        return true;
    case TG_ITEM_CLASS:
        TargetStrConvt::formatStrAisType(text, size, type, Unit::FORMAT_S_SHORT);
        return true;
    case TG_ITEM_SOG:
        TargetStrConvt::formatStrSOG(text, size, type, target.sog, Unit::SPEED_UNIT_KN, false);
        return true;
    case TG_ITEM_COG:
        TargetStrConvt::formatStrCOG(text, size, type, target.cog, false);
        return true;
    case TG_ITEM_LAT:
        TargetStrConvt::formatStrLat(text, size, target.latitude, Unit::WORLD_POS_FORMAT_DEG_MIN_SEC, true);
        return true;
    case TG_ITEM_LON:
        TargetStrConvt::formatStrLon(text, size, target.longitude, Unit::WORLD_POS_FORMAT_DEG_MIN_SEC, true);
        return true;
    case TG_ITEM_RANGE:
        StringConvt::formatStrRange(text, size, target.range, Unit::DIST_UNIT_NM, false);
        return true;
    case TG_ITEM_BEARING:
        TargetStrConvt::formatStrBearing(text, size, target.bearing, kNoBearingMeasure, false);
        return true;
    case TG_ITEM_REPORT_AGE:
        std::snprintf(text, size, "%lld", reportAge(now, target.updateTime));
        return true;
    default:
        return false;
    }
}

// Whether the cell of a kind shows something else for now than it showed for before.
bool cellChanged(TG_ITEM_CELL kind, const STargetRowData& now, const STargetRowData& before, bool ageChanged)
{
    switch (kind) {
    case TG_ITEM_NAME:
        return std::strncmp(now.name, before.name, sizeof(now.name)) != 0;
    case TG_ITEM_CALL_SIGN:
        return std::strncmp(now.callSign, before.callSign, sizeof(now.callSign)) != 0;
    case TG_ITEM_CLASS:
        return now.aisType != before.aisType;
    case TG_ITEM_SOG:
        return now.aisType != before.aisType || now.sog != before.sog;
    case TG_ITEM_COG:
        return now.aisType != before.aisType || now.cog != before.cog;
    case TG_ITEM_LAT:
        return now.latitude != before.latitude;
    case TG_ITEM_LON:
        return now.longitude != before.longitude;
    case TG_ITEM_RANGE:
        return now.range != before.range;
    case TG_ITEM_BEARING:
        return now.bearing != before.bearing;
    case TG_ITEM_REPORT_AGE:
        return ageChanged;
    default:
        return false; // the MMSI is the row's id
    }
}

void copyRowData(const CTargetAisData& ais, time_t updateTime, STargetRowData* row)
{
    row->mmsi = ais.m_mmsi;
    row->aisType = ais.m_aisType;
    row->latitude = ais.m_latitude;
    row->longitude = ais.m_longitude;
    row->sog = ais.m_sog;
    row->cog = ais.m_cog;
    row->range = ais.m_range;
    row->bearing = ais.m_bearing;
    row->updateTime = updateTime;
    std::memcpy(row->name, ais.m_name, sizeof(row->name));
    row->name[sizeof(row->name) - 1] = '\0';
    std::memcpy(row->callSign, ais.m_callSign, sizeof(row->callSign));
    row->callSign[sizeof(row->callSign) - 1] = '\0';
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

void CTargetExchangeSet::copyTargets(CTargetInfo* targets, std::vector<STargetRowData>* out)
{
    out->clear();
    if (targets == nullptr)
        return;
    // The communication thread writes the table: only this copy is made under its lock.
    targets->visitRecords([out](CTargetMetaData*, const std::map<unsigned int, CTargetMetaData*>& records,
                                CTargetMetaData*) {
        out->resize(records.size());
        size_t used = 0;
        for (const auto& entry : records) {
            const CTargetAisData* ais = entry.second->aisData();
            if (ais != nullptr)
                copyRowData(*ais, entry.second->m_updateTime, &(*out)[used++]);
        }
        out->resize(used);
    });
}

void CTargetExchangeSet::updateExchangeSet(CTargetInfo* targets)
{
    if (targets == nullptr)
        return;
    m_copies.reserve(m_lastCount + 64);
    copyTargets(targets, &m_copies);
    m_lastCount = m_copies.size();
    updateExchangeSet(m_copies);
}

void CTargetExchangeSet::updateExchangeSet(const std::vector<STargetRowData>& targets)
{
    if (targets.empty()) {
        m_grid.deleteAll();
        m_shown.clear();
        return;
    }
    // Rows that come and go take their sorted place as they are inserted.
    std::vector<SRewrite> rewrites;
    rewrites.reserve(targets.size());
    mergeRows(targets, &rewrites);

    // Known rows are rewritten with the model's signals held back, then announced together: a
    // signal for each of thousands of cells would cost more than the texts themselves.
    const time_t now = s_hostClock();
    std::vector<SRowChange> changes;
    {
        const QSignalBlocker quiet(&m_grid);
        for (const SRewrite& rewrite : rewrites) {
            const unsigned int changed = rewriteChangedCells(rewrite.row, *rewrite.target, now);
            if (changed != 0)
                changes.push_back({rewrite.row->first()->row(), changed});
        }
    }
    announceChanges(changes);

    const size_t rows = static_cast<size_t>(m_grid.rowCount(QModelIndex()));
    if (targets.size() != m_grid.rowMap.size() || targets.size() != rows) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Target's count is not match");
        rebuildRows(targets);
    }
}

void CTargetExchangeSet::announceChanges(const std::vector<SRowChange>& changes)
{
    if (changes.empty())
        return;
    const int columns = std::min(m_grid.columnCount(QModelIndex()), 32);
    const int sortColumn = m_proxy.sortColumn();
    const unsigned int sortBit = sortColumn >= 0 && sortColumn < columns ? 1u << sortColumn : 0u;
    const QVector<int> roles = {Qt::DisplayRole, Qt::EditRole};
    auto announce = [&](int top, int bottom, int left, int right) {
        emit m_grid.dataChanged(m_grid.index(top, left), m_grid.index(bottom, right), roles);
    };
    // Each row's changed cells are announced as one range of that row, so that the views
    // repaint only those cells: a range over many rows makes them repaint everything, which with
    // the table's styled cells costs more than a signal for each row.
    const size_t rows = static_cast<size_t>(m_grid.rowCount(QModelIndex()));
    const size_t many = std::max<size_t>(32, rows / 8);
    size_t sortChanges = 0;
    for (const SRowChange& change : changes)
        sortChanges += (change.columns & sortBit) != 0 ? 1 : 0;

    // Rows whose sort value changed move: a few one by one, many by sorting again at once.
    if (sortChanges > many) {
        m_proxy.setDynamicSortFilter(false);
        m_proxy.setDynamicSortFilter(true);
    } else if (sortChanges > 0) {
        for (const SRowChange& change : changes) {
            if ((change.columns & sortBit) != 0)
                announce(change.row, change.row, sortColumn, sortColumn);
        }
    }
    const unsigned int all = columns >= 32 ? ~0u : (1u << columns) - 1u;
    for (const SRowChange& change : changes) {
        const unsigned int narrow = change.columns & all & ~sortBit;
        if (narrow == 0)
            continue;
        const int left = __builtin_ctz(narrow);
        const int right = 31 - __builtin_clz(narrow);
        // Never a range over the sort column: that would sort the row again.
        if (sortBit != 0 && left < sortColumn && sortColumn < right) {
            announce(change.row, change.row, left, sortColumn - 1);
            announce(change.row, change.row, sortColumn + 1, right);
        } else {
            announce(change.row, change.row, left, right);
        }
    }
}

void CTargetExchangeSet::mergeRows(const std::vector<STargetRowData>& targets, std::vector<SRewrite>* rewrites)
{
    auto cursor = m_grid.rowMap.begin();
    for (const STargetRowData& target : targets) {
        const unsigned int mmsi = target.mmsi;
        // Rows below the next target's MMSI belong to targets that have gone.
        while (cursor != m_grid.rowMap.end() && cursor->first < mmsi) {
            const unsigned int gone = cursor->first;
            ++cursor;
            m_grid.deleteItem(gone);
            m_shown.erase(gone);
        }
        if (cursor != m_grid.rowMap.end() && cursor->first == mmsi) {
            rewrites->push_back({cursor->second, &target});
            ++cursor;
        } else {
            buildModelItem(&target);
        }
    }
    // So do the rows above the last target's MMSI: the stations that age out go from the top of
    // the MMSIs as often as from anywhere else, and each such row leaves on its own, the other
    // rows, the selection and the scroll position staying as they are.
    while (cursor != m_grid.rowMap.end()) {
        const unsigned int gone = cursor->first;
        ++cursor;
        m_grid.deleteItem(gone);
        m_shown.erase(gone);
    }
}

void CTargetExchangeSet::rebuildRows(const std::vector<STargetRowData>& targets)
{
    m_grid.deleteAll();
    m_shown.clear();
    for (const STargetRowData& target : targets)
        buildModelItem(&target);
}

unsigned int CTargetExchangeSet::rewriteChangedCells(CStringGridModel::ROW_ITEMS* row, const STargetRowData& target,
                                                     time_t now)
{
    auto shown = m_shown.find(target.mmsi);
    if (shown == m_shown.end()) {
        updateModelItem(row, &target);
        return m_sequence.iCount >= 32 ? ~0u : (1u << m_sequence.iCount) - 1u;
    }
    STargetRowData& before = shown->second.data;
    const long long age = reportAge(now, target.updateTime);
    const bool ageChanged = age != shown->second.age;
    unsigned int changed = 0;
    char text[64];
    const int count = std::min(m_sequence.iCount, static_cast<int>(row->size()));
    for (int i = 0; i < count; ++i) {
        const TG_ITEM_CELL kind = m_sequence.eCell[i];
        if (!cellChanged(kind, target, before, ageChanged) || !cellText(text, sizeof(text), kind, target, now))
            continue;
        const QString cell = QString::fromUtf8(text);
        QStandardItem* item = row->at(i);
        if (item->text() != cell) {
            item->setText(cell);
            changed |= 1u << i;
        }
    }
    before = target;
    shown->second.age = age;
    return changed;
}

void CTargetExchangeSet::buildModelItem(const STargetRowData* target)
{
    if (target == nullptr)
        return;
    QStringList texts;
    buildItemString(&texts, target);
    QList<QIcon> noIcons;
    m_grid.addItem(target->mmsi, texts, noIcons);
    m_shown[target->mmsi] = {*target, reportAge(s_hostClock(), target->updateTime)};
}

void CTargetExchangeSet::updateModelItem(CStringGridModel::ROW_ITEMS* row, const STargetRowData* target)
{
    if (row == nullptr || target == nullptr)
        return;
    QStringList texts;
    buildItemString(&texts, target);
    QList<QIcon> noIcons;
    m_grid.updateItem(row, texts, noIcons);
    m_shown[target->mmsi] = {*target, reportAge(s_hostClock(), target->updateTime)};
}

void CTargetExchangeSet::buildItemString(QStringList* texts, const STargetRowData* target) const
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
