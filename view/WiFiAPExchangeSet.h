#pragma once

#include "widgets/SortFilterProxyModel.h"
#include "widgets/StringGridModel.h"
#include "wifi/WiFiScope.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

class CWiFiConfig;

// The columns of the scanned access-point list.
enum AP_ITEM_CELL : int {
    AP_ITEM_NONE = -1,
    AP_ITEM_RSSI = 0,
    AP_ITEM_SECURITY = 1,
    AP_ITEM_SSID = 2,
    AP_ITEM_CONNECTION = 3,
    AP_ITEM_CONNECT_STATUS = 4,
    AP_ITEM_CELL_COUNT = 5,
};

// Which column kind each position shows, with its header text and sort type.
struct SAPListItemSequence
{
    SAPListItemSequence();

    // Plain header texts by kind; the list's headers are hidden, so no units.
    void SetHeaderString(bool withUnit);
    // Sort type of each position from its kind.
    void SetSortType();

    int iCount;
    QString strHeader[AP_ITEM_CELL_COUNT];
    AP_ITEM_CELL eCell[AP_ITEM_CELL_COUNT];
    // Read in place by the sort proxy whenever it sorts.
    CSortFilterProxyModel::SORT_T aSortType[AP_ITEM_CELL_COUNT];
};

// The access points of the last scan, one row per SSID in the order of the scan list, behind
// a sort proxy that the Wi-Fi page's list shows. Rebuilt whole on the GUI thread after a scan
// or a join, from a copy of the Wi-Fi record.
class CWiFiAPExchangeSet
{
public:
    CWiFiAPExchangeSet();
    ~CWiFiAPExchangeSet();
    CWiFiAPExchangeSet(const CWiFiAPExchangeSet&) = delete;
    CWiFiAPExchangeSet& operator=(const CWiFiAPExchangeSet&) = delete;

    void initMember();
    void setItemSequence(int count, const AP_ITEM_CELL* kinds);
    // The column position of a kind; -1 when no column shows it.
    int getCellSeqIndex(AP_ITEM_CELL kind) const;

    // Rebuilds the rows from the Wi-Fi record, read through its copy accessor.
    void updateExchangeSet(const CWiFiConfig* wifi);
    // The same from a record the caller owns; a null record is ignored.
    void updateExchangeSet(const WiFiScope::SWiFiData* wifi);

    void buildModelItem(const WiFiScope::SClientAPInfoStruct* group, int index);
    void updateModelItem(CStringGridModel::ROW_ITEMS* row, const WiFiScope::SClientAPInfoStruct* group);
    void buildItemString(QStringList* texts, const WiFiScope::SClientAPInfoStruct* group) const;
    void buildItemIcon(QList<QIcon>* icons, const WiFiScope::SClientAPInfoStruct* group) const;

    // The model the list view is given; its rows are the grid's rows in the same order.
    CSortFilterProxyModel* sortProxy() { return &m_proxy; }
    CStringGridModel* gridModel() { return &m_grid; }
    const SAPListItemSequence& itemSequence() const { return m_sequence; }

    // The Wi-Fi status picture of a signal strength in dBm; empty outside every band.
    static QString rssiImagePath(int rssi);

private:
    CStringGridModel m_grid;
    CSortFilterProxyModel m_proxy;
    SAPListItemSequence m_sequence;
};
