#include "view/WiFiAPExchangeSet.h"

#include "wifi/WiFiConfig.h"

#include "AlarmProbe.h"
#include "GrabShot.h"
#include "QtPrint.h"

#include <QImage>
#include <QStandardItem>
#include <QTableView>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace WiFiScope;

namespace {

// A scan as the module answers it, through the real reply parser.
void scan(CWiFiConfig& wifi, const std::vector<std::string>& results)
{
    wifi.cmdProc(">AT+SCAN\r\n");
    wifi.cmdProc("+ok=\r\n");
    for (const std::string& line : results)
        wifi.cmdProc((line + "\r\n").c_str());
    wifi.cmdProc(">WiFiScanEnd\r\n");
}

QImage imageOf(const QIcon& icon)
{
    return icon.pixmap(QSize(32, 32)).toImage();
}

// True when the cell shows the Wi-Fi status picture of that name, or no picture for null.
bool showsPicture(const QStandardItem* item, const char* name)
{
    if (name == nullptr)
        return item->icon().isNull();
    const QImage expected = imageOf(QIcon(QStringLiteral(":/WiFiStatus/Images/WiFiStatus/%1.png").arg(name)));
    return !expected.isNull() && imageOf(item->icon()) == expected;
}

QStringList column(const QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

} // namespace

TEST(AccessPointList, OneRowPerSsidInScanOrderWithTextsAndPictures)
{
    CWiFiConfig wifi;
    scan(wifi, {
                   "Harbour Office,a0:63:91:10:22:01,6,-75,WPA2",
                   "Pier 7 Cafe,c8:3a:35:44:10:0a,1,-50,NONE",
                   "Harbour Office,a0:63:91:10:22:02,11,-58,WPA2",
                   "Terrace Bar,f0:9f:c2:12:34:56,3,-51,none",
                   "Yacht Club,00:1a:2b:3c:4d:5e,9,-80,WPA",
                   "Fuel Dock,00:1a:2b:3c:4d:5f,9,-81,WPA2",
                   "Boat Yard,00:1a:2b:3c:4d:60,1,0,WPA2",
                   "Far Away,00:1a:2b:3c:4d:61,1,-99999,WPA2",
               });
    CWiFiAPExchangeSet model;
    model.updateExchangeSet(&wifi);

    struct SRow
    {
        QStringList texts;
        const char* pictures[5];
    };
    const SRow expected[] = {
        {{"-58", "WPA2", "Harbour Office", "", "-1"}, {"3.RSSI4", "5.Security", nullptr, nullptr, "9.Empty"}},
        {{"-50", "NONE", "Pier 7 Cafe", "", "-1"}, {"4.RSSI5", "9.Empty", nullptr, nullptr, "9.Empty"}},
        {{"-51", "none", "Terrace Bar", "", "-1"}, {"3.RSSI4", "5.Security", nullptr, nullptr, "9.Empty"}},
        {{"-80", "WPA", "Yacht Club", "", "-1"}, {"1.RSSI2", "5.Security", nullptr, nullptr, "9.Empty"}},
        {{"-81", "WPA2", "Fuel Dock", "", "-1"}, {"0.RSSI1", "5.Security", nullptr, nullptr, "9.Empty"}},
        {{"0", "WPA2", "Boat Yard", "", "-1"}, {nullptr, "5.Security", nullptr, nullptr, "9.Empty"}},
        {{"-99999", "WPA2", "Far Away", "", "-1"}, {nullptr, "5.Security", nullptr, nullptr, "9.Empty"}},
    };
    const CStringGridModel* grid = model.gridModel();
    ASSERT_EQ(grid->rowCount(), 7);
    ASSERT_EQ(grid->columnCount(), 5);
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(grid->rowMap.count(static_cast<unsigned int>(row)), 1u) << "row id is the group's position";
        QStringList texts;
        for (int col = 0; col < 5; ++col) {
            texts << grid->item(row, col)->text();
            EXPECT_TRUE(showsPicture(grid->item(row, col), expected[row].pictures[col])) << row << "," << col;
        }
        EXPECT_EQ(texts, expected[row].texts) << row;
    }
    // The list view shows the grid's order.
    EXPECT_EQ(column(model.sortProxy(), 2), column(grid, 2));
    QTableView view;
    view.setModel(model.sortProxy());
    view.setIconSize(QSize(96, 32));
    const int widths[] = {36, 36, 194, 96, 36};
    for (int col = 0; col < 5; ++col)
        view.setColumnWidth(col, widths[col]);
    view.resize(460, 300);
    EXPECT_FALSE(TestSupport::saveShot(&view, "access_point_list").isEmpty());

    // The module reports its link: the parser marks that group, and the list is rebuilt.
    wifi.cmdProc(">AT+STALINK\r\n");
    wifi.cmdProc("+ok=c8:3a:35:44:10:0a,Pier 7 Cafe\r\n");
    model.updateExchangeSet(&wifi);
    ASSERT_EQ(grid->rowCount(), 7);
    const int linked = column(grid, 2).indexOf("Pier 7 Cafe");
    ASSERT_GE(linked, 0);
    EXPECT_EQ(grid->item(linked, 4)->text(), "0");
    EXPECT_TRUE(showsPicture(grid->item(linked, 4), "6.Connected"));

    // A scan that found nothing empties the list; so does the reset of the device data.
    scan(wifi, {});
    model.updateExchangeSet(&wifi);
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_TRUE(grid->rowMap.empty());
    scan(wifi, {"Pier 7 Cafe,c8:3a:35:44:10:0a,1,-50,NONE"});
    model.updateExchangeSet(&wifi);
    EXPECT_EQ(grid->rowCount(), 1);
    wifi.reset();
    model.updateExchangeSet(&wifi);
    EXPECT_EQ(grid->rowCount(), 0);
}

TEST(AccessPointList, SignalBandsIncludeBothBounds)
{
    const struct
    {
        int rssi;
        const char* picture;
    } bands[] = {
        {-1, "4.RSSI5"},  {-50, "4.RSSI5"},  {-51, "3.RSSI4"}, {-60, "3.RSSI4"},    {-61, "2.RSSI3"},
        {-70, "2.RSSI3"}, {-71, "1.RSSI2"},  {-80, "1.RSSI2"}, {-81, "0.RSSI1"},    {-99998, "0.RSSI1"},
        {0, nullptr},     {-99999, nullptr}, {7, nullptr},     {-2000000, nullptr},
    };
    for (const auto& band : bands) {
        const QString expected = band.picture == nullptr
                                     ? QString()
                                     : QStringLiteral(":/WiFiStatus/Images/WiFiStatus/%1.png").arg(band.picture);
        EXPECT_EQ(CWiFiAPExchangeSet::rssiImagePath(band.rssi), expected) << band.rssi;
    }
}

TEST(AccessPointList, EveryColumnHasASortType)
{
    CWiFiAPExchangeSet model;
    const CSortFilterProxyModel::SORT_T* types = model.itemSequence().aSortType;
    EXPECT_EQ(std::vector<int>(types, types + AP_ITEM_CELL_COUNT),
              (std::vector<int>{CSortFilterProxyModel::SORT_INT, CSortFilterProxyModel::SORT_VARIANT,
                                CSortFilterProxyModel::SORT_VARIANT, CSortFilterProxyModel::SORT_VARIANT,
                                CSortFilterProxyModel::SORT_INT}));

    CWiFiConfig wifi;
    scan(wifi, {
                   "Boat Yard,00:1a:2b:3c:4d:60,1,-5,WPA2",
                   "Yacht Club,00:1a:2b:3c:4d:5e,9,-100,WPA2",
                   "Marina,00:1a:2b:3c:4d:61,1,-60,NONE",
               });
    model.updateExchangeSet(&wifi);
    model.sortProxy()->sort(0, Qt::AscendingOrder);
    EXPECT_EQ(column(model.sortProxy(), 0), QStringList({"-100", "-60", "-5"})) << "by value, not as text";
    EXPECT_EQ(column(model.sortProxy(), 2), QStringList({"Yacht Club", "Marina", "Boat Yard"}));
    model.sortProxy()->sort(2, Qt::AscendingOrder);
    EXPECT_EQ(column(model.sortProxy(), 2), QStringList({"Boat Yard", "Marina", "Yacht Club"}));
}

TEST(AccessPointList, ColumnPositionsOfTheKinds)
{
    CWiFiAPExchangeSet model;
    EXPECT_EQ(model.getCellSeqIndex(AP_ITEM_SSID), 2);
    EXPECT_EQ(model.getCellSeqIndex(AP_ITEM_SECURITY), 1);
    EXPECT_EQ(model.getCellSeqIndex(AP_ITEM_CONNECTION), 3);
    EXPECT_EQ(model.getCellSeqIndex(AP_ITEM_CONNECT_STATUS), 4);
    AlarmProbe log;
    EXPECT_EQ(model.getCellSeqIndex(static_cast<AP_ITEM_CELL>(7)), -1);
    EXPECT_EQ(log.count("Item's case is undefined!"), 1);

    // A sequence naming a kind that does not exist leaves that cell out of every row.
    const AP_ITEM_CELL kinds[] = {AP_ITEM_SSID, static_cast<AP_ITEM_CELL>(9), AP_ITEM_RSSI};
    model.setItemSequence(3, kinds);
    SClientAPInfoStruct group;
    group.ssid = "Marina";
    SClientAPData record;
    record.ssid = "Marina";
    record.rssi = -60;
    record.security = "NONE";
    group.records.push_back(record);
    model.buildModelItem(&group, 0);
    EXPECT_EQ(model.gridModel()->item(0, 0)->text(), "Marina");
    EXPECT_EQ(model.gridModel()->item(0, 1)->text(), "-60");
    EXPECT_EQ(model.gridModel()->item(0, 2), nullptr);
    EXPECT_GE(log.count("Item's case is undefined!"), 4);
}
