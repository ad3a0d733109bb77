#include "widgets/AbstractTableModel.h"
#include "widgets/Mutex.h"
#include "widgets/SortFilterProxyModel.h"
#include "widgets/StringGridModel.h"
#include "widgets/StyledItemDelegate.h"

#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

QStringList column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

class StringGridModelTest : public ::testing::Test
{
protected:
    void add(unsigned id, const QStringList& texts)
    {
        QStringList copy = texts;
        QList<QIcon> noIcons;
        grid.addItem(id, copy, noIcons);
    }

    ~StringGridModelTest() override { grid.deleteAll(); }

    CStringGridModel grid;
};

} // namespace

TEST_F(StringGridModelTest, RowsHeldById)
{
    add(211000001, {"211000001", "ALPHA", "12.5"});
    add(211000002, {"211000002", "BRAVO", "--"});
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.rowMap.size(), 2u);
    EXPECT_EQ(grid.rowMap.at(211000002)->at(1)->text(), "BRAVO");
    EXPECT_TRUE(grid.rowMap.at(211000002)->at(1)->icon().isNull());

    QStringList texts = {"211000001", "ALPHA ONE", "13.0"};
    QList<QIcon> twoIcons = {QIcon(":/Led/Symbol/Led/A30/Red.png"), QIcon(":/Led/Symbol/Led/A30/Green.png")};
    grid.updateItem(grid.rowMap.at(211000001), texts, twoIcons);
    EXPECT_EQ(column(grid, 1), QStringList({"ALPHA ONE", "BRAVO"}));
    EXPECT_TRUE(grid.item(0, 0)->icon().isNull()); // icons only when there is one per cell

    QList<QIcon> threeIcons = twoIcons;
    threeIcons << QIcon(":/Led/Symbol/Led/A30/Blue.png");
    grid.updateItem(grid.rowMap.at(211000001), texts, threeIcons);
    EXPECT_FALSE(grid.item(0, 2)->icon().isNull());

    // An id held already keeps its one row.
    add(211000001, {"211000001", "ALPHA TWO", "14.0"});
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(column(grid, 1), QStringList({"ALPHA TWO", "BRAVO"}));

    grid.deleteItem(211000001);
    grid.deleteItem(999);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.rowMap.count(211000001), 0u);
    EXPECT_EQ(grid.item(0, 1)->text(), "BRAVO");

    grid.deleteAll();
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_TRUE(grid.rowMap.empty());
    grid.deleteAll();
    EXPECT_EQ(grid.rowCount(), 0);
}

TEST_F(StringGridModelTest, IconsGoWithTheirCells)
{
    QStringList texts = {"-58", "HARBOUR", "WPA2-PSK"};
    QList<QIcon> icons = {QIcon(":/WiFiStatus/Images/WiFiStatus/3.RSSI4.png"), QIcon(), QIcon()};
    grid.addItem(7, texts, icons);
    EXPECT_FALSE(grid.item(0, 0)->icon().isNull());
    EXPECT_TRUE(grid.item(0, 1)->icon().isNull());
    // A short text list rewrites only the cells it covers.
    QStringList shorter = {"-60"};
    QList<QIcon> none;
    grid.updateItem(grid.rowMap.at(7), shorter, none);
    EXPECT_EQ(grid.item(0, 0)->text(), "-60");
    EXPECT_EQ(grid.item(0, 1)->text(), "HARBOUR");
    EXPECT_FALSE(grid.item(0, 0)->icon().isNull());
}

// Each column sorts by its own type, absent values after every real one in ascending order.
TEST_F(StringGridModelTest, ProxySortsPerColumnWithAbsentValuesLast)
{
    add(1, {"12", "delta", "2.5", "n/a"});
    add(2, {"--", "Alpha", "10.25", "b"});
    add(3, {"3", "N/A", "-1", "a"});
    add(4, {"N/A", "charlie", "--", "--"});
    add(5, {"100", "bravo", "9.75", "c"});
    CSortFilterProxyModel::SORT_T types[] = {CSortFilterProxyModel::SORT_INT, CSortFilterProxyModel::SORT_VARIANT,
                                             CSortFilterProxyModel::SORT_DOUBLE, CSortFilterProxyModel::SORT_INT};
    CSortFilterProxyModel proxy;
    proxy.setSourceModel(&grid);
    proxy.setColumnSortType(types);

    proxy.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(column(proxy, 0), QStringList({"3", "12", "100", "--", "N/A"}));
    proxy.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(column(proxy, 0).mid(0, 2), QStringList({"--", "N/A"}));
    EXPECT_EQ(column(proxy, 0).mid(2), QStringList({"100", "12", "3"}));

    proxy.sort(1, Qt::AscendingOrder); // texts by the generic comparison: upper case first
    EXPECT_EQ(column(proxy, 1), QStringList({"Alpha", "bravo", "charlie", "delta", "N/A"}));

    proxy.sort(2, Qt::AscendingOrder); // numbers as numbers
    EXPECT_EQ(column(proxy, 2), QStringList({"-1", "2.5", "9.75", "10.25", "--"}));

    // Lower-case "n/a" is no absent value: as an integer it counts as 0, like the other texts.
    proxy.sort(3, Qt::AscendingOrder);
    EXPECT_EQ(column(proxy, 3).last(), "--");
}

TEST_F(StringGridModelTest, AbsentValuesKeepTheirOrder)
{
    add(1, {"12"});
    add(2, {"--"});
    add(3, {"3"});
    add(4, {"N/A"});
    CSortFilterProxyModel::SORT_T types[] = {CSortFilterProxyModel::SORT_INT};
    CSortFilterProxyModel proxy;
    proxy.setSourceModel(&grid);
    proxy.setColumnSortType(types);
    proxy.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(column(proxy, 0), QStringList({"3", "12", "--", "N/A"}));

    // Without sort types "--" is a text like any other.
    CSortFilterProxyModel plain;
    plain.setSourceModel(&grid);
    plain.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(column(plain, 0), QStringList({"--", "12", "3", "N/A"}));
}

TEST(SortFilterProxyModelTest, CompareValues)
{
    using P = CSortFilterProxyModel;
    EXPECT_TRUE(P::compResult(QVariant("9"), QVariant("10"), P::SORT_INT));
    EXPECT_FALSE(P::compResult(QVariant("10"), QVariant("9"), P::SORT_INT));
    EXPECT_FALSE(P::compResult(QVariant("9"), QVariant("10"), P::SORT_VARIANT)); // as texts
    EXPECT_TRUE(P::compResult(QVariant("1.5"), QVariant("1.25e1"), P::SORT_DOUBLE));
    EXPECT_TRUE(P::compResult(QVariant("n/a"), QVariant("1"), P::SORT_INT));
    EXPECT_FALSE(P::compResult(QVariant("--"), QVariant("N/A"), P::SORT_INT));
    EXPECT_FALSE(P::compResult(QVariant("N/A"), QVariant("--"), P::SORT_INT));
    EXPECT_TRUE(P::compResult(QVariant("5"), QVariant("--"), P::SORT_DOUBLE));
    EXPECT_FALSE(P::compResult(QVariant("--"), QVariant("5"), P::SORT_DOUBLE));
}

namespace {

// Counts the focus frames the style is asked to draw.
class FocusCountingStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect)
            ++focusFrames;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable int focusFrames = 0;
};

int focusFramesPainted(QStyledItemDelegate& delegate)
{
    QStandardItemModel model(1, 1);
    model.setItem(0, 0, new QStandardItem("211000001"));
    QTableView view;
    auto* style = new FocusCountingStyle;
    view.setStyle(style);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.rect = QRect(0, 0, 120, 24);
    option.state |= QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_Enabled;
    QImage image(120, 24, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    const int frames = style->focusFrames;
    view.setStyle(nullptr);
    delete style;
    return frames;
}

} // namespace

TEST(StyledItemDelegateTest, PaintsWithoutTheFocusFrame)
{
    QStyledItemDelegate plain;
    ASSERT_GT(focusFramesPainted(plain), 0); // the style does draw one for a focused cell
    CStyledItemDelegate delegate;
    EXPECT_EQ(focusFramesPainted(delegate), 0);
}

TEST(AbstractTableModelTest, StaysEmpty)
{
    CAbstractTableModel model;
    model.setCurrencyMap({{"EUR", 1.0}, {"USD", 1.1}});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal).isValid());
    EXPECT_TRUE(model.currencyAt(0).isEmpty());
}

TEST(MutexTest, PlainLock)
{
    CMutex mutex;
    mutex.lock();
    EXPECT_FALSE(mutex.tryLock());
    mutex.unlock();
    EXPECT_TRUE(mutex.tryLock());
    mutex.unlock();
}
