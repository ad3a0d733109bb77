#include "view/WiFiAPExchangeSet.h"

#include "services/Singleton.h"
#include "services/SysDebug.h"
#include "widgets/LibraryImage.h"
#include "wifi/WiFiConfig.h"

using namespace WiFiScope;

namespace {

// Entries of the Wi-Fi status pictures.
enum WIFI_STATUS_IMAGE : int {
    WIFI_STATUS_RSSI1 = 0,
    WIFI_STATUS_RSSI2 = 1,
    WIFI_STATUS_RSSI3 = 2,
    WIFI_STATUS_RSSI4 = 3,
    WIFI_STATUS_RSSI5 = 4,
    WIFI_STATUS_SECURITY = 5,
    WIFI_STATUS_CONNECTED = 6,
    WIFI_STATUS_EMPTY = 9,
};

struct SColumnKind
{
    const char* header;
    CSortFilterProxyModel::SORT_T sortType;
};

// The list does not sort, but a proxy that did would read these.
const SColumnKind kColumnKinds[AP_ITEM_CELL_COUNT] = {
    {"RSSI", CSortFilterProxyModel::SORT_INT},           {"Security", CSortFilterProxyModel::SORT_VARIANT},
    {"SSID", CSortFilterProxyModel::SORT_VARIANT},       {"Connection", CSortFilterProxyModel::SORT_VARIANT},
    {"Connect Status", CSortFilterProxyModel::SORT_INT},
};

const AP_ITEM_CELL kNaturalSequence[AP_ITEM_CELL_COUNT] = {AP_ITEM_RSSI, AP_ITEM_SECURITY, AP_ITEM_SSID,
                                                           AP_ITEM_CONNECTION, AP_ITEM_CONNECT_STATUS};

// Signal-strength bands in dBm, both bounds included, tried in this order.
struct SRssiBand
{
    int low;
    int high;
    WIFI_STATUS_IMAGE image;
};

const SRssiBand kRssiBands[] = {
    {-50, -1, WIFI_STATUS_RSSI5},  {-60, -51, WIFI_STATUS_RSSI4},    {-70, -61, WIFI_STATUS_RSSI3},
    {-80, -71, WIFI_STATUS_RSSI2}, {-99998, -81, WIFI_STATUS_RSSI1},
};

bool validKind(AP_ITEM_CELL kind)
{
    return kind >= 0 && kind < AP_ITEM_CELL_COUNT;
}

QString statusImagePath(WIFI_STATUS_IMAGE image)
{
    return Pattern::Singleton<LibraryImage>::instance()->getWiFiStatusImagePath(image);
}

QIcon iconOf(const QString& path)
{
    return path.isEmpty() ? QIcon() : QIcon(path);
}

// A group's strongest record; a group without records reads as an empty one.
const SClientAPData& strongest(const SClientAPInfoStruct& group)
{
    static const SClientAPData kEmpty;
    return group.records.empty() ? kEmpty : group.records.front();
}

} // namespace

SAPListItemSequence::SAPListItemSequence() : iCount(0)
{
    for (int i = 0; i < AP_ITEM_CELL_COUNT; ++i) {
        eCell[i] = AP_ITEM_NONE;
        aSortType[i] = CSortFilterProxyModel::SORT_VARIANT;
    }
}

void SAPListItemSequence::SetHeaderString(bool)
{
    for (int i = 0; i < iCount; ++i) {
        const AP_ITEM_CELL kind = eCell[i];
        if (!validKind(kind)) {
            SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
            continue;
        }
        strHeader[kind] = QString::fromLatin1(kColumnKinds[kind].header);
    }
}

void SAPListItemSequence::SetSortType()
{
    for (int i = 0; i < iCount; ++i) {
        const AP_ITEM_CELL kind = eCell[i];
        if (!validKind(kind)) {
            SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
            continue;
        }
        aSortType[i] = kColumnKinds[kind].sortType;
    }
}

CWiFiAPExchangeSet::CWiFiAPExchangeSet()
{
    initMember();
}

CWiFiAPExchangeSet::~CWiFiAPExchangeSet()
{
    m_grid.deleteAll();
}

void CWiFiAPExchangeSet::initMember()
{
    setItemSequence(AP_ITEM_CELL_COUNT, kNaturalSequence);
    m_proxy.setSourceModel(&m_grid);
}

void CWiFiAPExchangeSet::setItemSequence(int count, const AP_ITEM_CELL* kinds)
{
    if (kinds == nullptr || count < 0)
        return;
    if (count > AP_ITEM_CELL_COUNT)
        count = AP_ITEM_CELL_COUNT;
    m_sequence.iCount = count;
    for (int i = 0; i < count; ++i)
        m_sequence.eCell[i] = kinds[i];
    m_sequence.SetHeaderString(false);
    m_sequence.SetSortType();
    m_grid.setColumnCount(count);
    for (int i = 0; i < count; ++i) {
        const AP_ITEM_CELL kind = m_sequence.eCell[i];
        m_grid.setHeaderData(i, Qt::Horizontal, validKind(kind) ? m_sequence.strHeader[kind] : QString());
    }
    m_proxy.setColumnSortType(m_sequence.aSortType);
}

int CWiFiAPExchangeSet::getCellSeqIndex(AP_ITEM_CELL kind) const
{
    for (int i = 0; i < m_sequence.iCount; ++i) {
        if (m_sequence.eCell[i] == kind)
            return i;
    }
    SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
    return -1;
}

void CWiFiAPExchangeSet::updateExchangeSet(const CWiFiConfig* wifi)
{
    if (wifi == nullptr)
        return;
    // The reply parser writes the scan list on the communication thread.
    const SCmdProcData copy = wifi->getCmdProcData();
    updateExchangeSet(&copy.data);
}

void CWiFiAPExchangeSet::updateExchangeSet(const SWiFiData* wifi)
{
    m_grid.deleteAll();
    if (wifi == nullptr)
        return;
    int index = 0;
    for (const SClientAPInfoStruct& group : wifi->scanned)
        buildModelItem(&group, index++);
}

void CWiFiAPExchangeSet::buildModelItem(const SClientAPInfoStruct* group, int index)
{
    if (group == nullptr || index < 0)
        return;
    QStringList texts;
    QList<QIcon> icons;
    buildItemString(&texts, group);
    buildItemIcon(&icons, group);
    m_grid.addItem(static_cast<unsigned int>(index), texts, icons);
}

void CWiFiAPExchangeSet::updateModelItem(CStringGridModel::ROW_ITEMS* row, const SClientAPInfoStruct* group)
{
    if (row == nullptr || group == nullptr)
        return;
    QStringList texts;
    QList<QIcon> icons;
    buildItemString(&texts, group);
    buildItemIcon(&icons, group);
    m_grid.updateItem(row, texts, icons);
}

void CWiFiAPExchangeSet::buildItemString(QStringList* texts, const SClientAPInfoStruct* group) const
{
    if (texts == nullptr || group == nullptr)
        return;
    const SClientAPData& first = strongest(*group);
    for (int i = 0; i < m_sequence.iCount; ++i) {
        switch (m_sequence.eCell[i]) {
        case AP_ITEM_RSSI:
            texts->append(QString::number(first.rssi));
            break;
        case AP_ITEM_SECURITY:
            texts->append(QString::fromStdString(first.security));
            break;
        case AP_ITEM_SSID:
            texts->append(QString::fromStdString(first.ssid));
            break;
        case AP_ITEM_CONNECTION:
            texts->append(QString());
            break;
        case AP_ITEM_CONNECT_STATUS:
            texts->append(QString::number(group->connectStatus));
            break;
        default:
            SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
            break;
        }
    }
}

void CWiFiAPExchangeSet::buildItemIcon(QList<QIcon>* icons, const SClientAPInfoStruct* group) const
{
    if (icons == nullptr || group == nullptr)
        return;
    const SClientAPData& first = strongest(*group);
    for (int i = 0; i < m_sequence.iCount; ++i) {
        switch (m_sequence.eCell[i]) {
        case AP_ITEM_RSSI:
            icons->append(iconOf(rssiImagePath(first.rssi)));
            break;
        case AP_ITEM_SECURITY:
            icons->append(iconOf(statusImagePath(first.security == "NONE" ? WIFI_STATUS_EMPTY : WIFI_STATUS_SECURITY)));
            break;
        case AP_ITEM_SSID:
        case AP_ITEM_CONNECTION:
            icons->append(QIcon());
            break;
        case AP_ITEM_CONNECT_STATUS:
            icons->append(
                iconOf(statusImagePath(group->connectStatus >= 0 ? WIFI_STATUS_CONNECTED : WIFI_STATUS_EMPTY)));
            break;
        default:
            SYS_DEBUG(DEBUG_MSG_ERROR, "%s", "Item's case is undefined!");
            break;
        }
    }
}

QString CWiFiAPExchangeSet::rssiImagePath(int rssi)
{
    for (const SRssiBand& band : kRssiBands) {
        if (rssi >= band.low && rssi <= band.high)
            return statusImagePath(band.image);
    }
    return QString();
}
