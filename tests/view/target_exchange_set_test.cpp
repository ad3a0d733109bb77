#include "view/TargetExchangeSet.h"

#include "AlarmProbe.h"
#include "GrabShot.h"
#include "QtPrint.h"
#include "TargetFeed.h"

#include <QTableView>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace TestSupport;
using namespace SensorScope;
using namespace SensorScope::Target;

namespace {

const char* const kMismatch = "Target's count is not match";

class OtherVesselsTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        STestClock::now = 1700000000;
        CAisData::setHostClock(&STestClock::read);
        CTargetNavi::setHostClock(&STestClock::read);
        CTargetExchangeSet::setHostClock(&STestClock::read);
    }

    void TearDown() override
    {
        CAisData::setHostClock(&HostTime);
        CTargetNavi::setHostClock(&HostTime);
        CTargetExchangeSet::setHostClock(&HostTime);
    }

    void refresh() { model.updateExchangeSet(&feed.table); }

    QStringList rowOf(unsigned int mmsi)
    {
        QStringList texts;
        const auto found = model.gridModel()->rowMap.find(mmsi);
        if (found == model.gridModel()->rowMap.end())
            return texts;
        for (const QStandardItem* item : *found->second)
            texts << item->text();
        return texts;
    }

    const QStandardItem* firstItemOf(unsigned int mmsi) { return model.gridModel()->rowMap.at(mmsi)->first(); }

    // A column as the views show it.
    QStringList shown(int column)
    {
        QStringList texts;
        const QAbstractItemModel* proxy = model.sortProxy();
        for (int row = 0; row < proxy->rowCount(); ++row)
            texts << proxy->index(row, column).data().toString();
        return texts;
    }

    // The stations of every kind around an own vessel.
    void feedEveryKind()
    {
        feed.ownVessel(4.0f, 52.0f);
        feed.classA(211000001, 4.5f, 52.25f, 12.0f, 90.0f);
        UN_AIS_MESSAGE voyage{};
        voyage.msg5.msgId = 5;
        voyage.msg5.mmsi = 211000001;
        std::strcpy(voyage.msg5.callSign, "DABC");
        std::strcpy(voyage.msg5.name, "NORDIC STAR");
        feed.receive(voyage);

        UN_AIS_MESSAGE classB{};
        classB.msg18.msgId = 18;
        classB.msg18.mmsi = 338000002;
        classB.msg18.sog = 5.5f;
        classB.msg18.longitude = -4.5f;
        classB.msg18.latitude = -33.5f;
        classB.msg18.cog = 180.5f;
        classB.msg18.trueHeading = 511;
        feed.receive(classB);
        UN_AIS_MESSAGE partA{};
        partA.msg24A.msgId = 24;
        partA.msg24A.mmsi = 338000002;
        std::strcpy(partA.msg24A.name, "SEA BREEZE");
        feed.receive(partA);
        UN_AIS_MESSAGE partB{};
        partB.msg24B.msgId = 24;
        partB.msg24B.mmsi = 338000002;
        partB.msg24B.partNumber = 1;
        std::strcpy(partB.msg24B.callSign, "WDE5432");
        feed.receive(partB);

        UN_AIS_MESSAGE base{};
        base.msg4.msgId = 4;
        base.msg4.mmsi = 2655619;
        base.msg4.longitude = 4.375f;
        base.msg4.latitude = 52.125f;
        feed.receive(base);

        UN_AIS_MESSAGE aton{};
        aton.msg21.msgId = 21;
        aton.msg21.mmsi = 992351000;
        std::strcpy(aton.msg21.name, "NOORD HINDER");
        aton.msg21.longitude = 2.5f;
        aton.msg21.latitude = 52.0f;
        feed.receive(aton);

        UN_AIS_MESSAGE sar{};
        sar.msg9.msgId = 9;
        sar.msg9.mmsi = 111232511;
        sar.msg9.sog = 120.0f;
        sar.msg9.longitude = 3.0f;
        sar.msg9.latitude = 51.0f;
        sar.msg9.cog = 10.0f;
        feed.receive(sar);

        feed.receive(positionReport(970123456, 14, 3.125f, 51.125f));

        UN_AIS_MESSAGE onlyStatic{};
        onlyStatic.msg5.msgId = 5;
        onlyStatic.msg5.mmsi = 244000009;
        std::strcpy(onlyStatic.msg5.name, "ONLY STATIC");
        feed.receive(onlyStatic);

        feed.measure();
    }

    CTargetFeed feed;
    CTargetExchangeSet model;
};

bool absent(const QString& text)
{
    return text == "--" || text == "N/A";
}

} // namespace

TEST_F(OtherVesselsTable, ElevenColumnsWithTheirHeadersAndNoRowsForAnEmptyTable)
{
    const QStringList headers = {"MMSI",     "Ship's Name", "Call Sign",  "Class",       "Speed (Kn)",    "Course",
                                 "Latitude", "Longitude",   "Range (NM)", "Bearing (°)", "Report Age (s)"};
    ASSERT_EQ(model.sortProxy()->columnCount(), 11);
    for (int column = 0; column < 11; ++column)
        EXPECT_EQ(model.sortProxy()->headerData(column, Qt::Horizontal).toString(), headers[column]) << column;
    refresh();
    EXPECT_EQ(model.sortProxy()->rowCount(), 0);

    feed.classA(211000001, 4.5f, 52.25f);
    refresh();
    EXPECT_EQ(model.sortProxy()->rowCount(), 1);
    feed.table.reset(); // the device data reset after a disconnection
    refresh();
    EXPECT_EQ(model.sortProxy()->rowCount(), 0);
    EXPECT_TRUE(model.gridModel()->rowMap.empty());
    EXPECT_EQ(model.sortProxy()->columnCount(), 11);
}

TEST_F(OtherVesselsTable, CellTextsOfEveryKindOfStation)
{
    feedEveryKind();
    refresh();

    // Range and bearing follow from the positions; checked below by value, not by text.
    struct SExpected
    {
        unsigned int mmsi;
        QStringList texts; // positions 0 to 7 and 10
    };
    const SExpected expected[] = {
        {211000001, {"211000001", "NORDIC STAR", "DABC", "A", "12", "90", " 52°15' 0\"N", "  4°30' 0\"E", "0"}},
        {338000002, {"338000002", "SEA BREEZE", "WDE5432", "B", "5.5", "180.5", " 33°30' 0\"S", "  4°30' 0\"W", "0"}},
        {2655619, {"002655619", "", "", "Base", "N/A", "N/A", " 52° 7'30\"N", "  4°22'30\"E", "0"}},
        {992351000, {"992351000", "NOORD HINDER", "", "AtoN", "N/A", "N/A", " 52° 0' 0\"N", "  2°30' 0\"E", "0"}},
        {111232511, {"111232511", "", "", "SAR", "--", "10", " 51° 0' 0\"N", "  3° 0' 0\"E", "0"}},
        {970123456, {"970123456", "", "", "SART", "0", "0", " 51° 7'30\"N", "  3° 7'30\"E", "0"}},
        {244000009, {"244000009", "ONLY STATIC", "", "A", "--", "--", "--", "--", "0"}},
    };
    ASSERT_EQ(model.sortProxy()->rowCount(), 7);
    for (const SExpected& row : expected) {
        const QStringList texts = rowOf(row.mmsi);
        ASSERT_EQ(texts.size(), 11) << row.mmsi;
        QStringList checked = texts.mid(0, 8);
        checked << texts[10];
        EXPECT_EQ(checked, row.texts) << row.mmsi;
    }
    EXPECT_EQ(rowOf(244000009)[8], "--") << "no position, no range";
    EXPECT_EQ(rowOf(244000009)[9], "--");
    // 0.5° of longitude and 0.25° of latitude north-east of the own vessel.
    EXPECT_NEAR(rowOf(211000001)[8].toDouble(), 23.75, 0.1);
    EXPECT_NEAR(rowOf(211000001)[9].toDouble(), 50.8, 0.5);
    EXPECT_FALSE(rowOf(211000001)[9].contains("T")) << "no bearing suffix";
    EXPECT_TRUE(model.gridModel()->item(0, 0)->icon().isNull());

    QTableView view;
    view.setModel(model.sortProxy());
    view.setSortingEnabled(true);
    view.sortByColumn(TG_ITEM_MMSI, Qt::AscendingOrder);
    const int widths[] = {70, 120, 70, 60, 80, 80, 90, 90, 80, 80, 80};
    for (int column = 0; column < 11; ++column)
        view.setColumnWidth(column, widths[column]);
    view.resize(1000, 300);
    EXPECT_FALSE(saveShot(&view, "other_vessels_table").isEmpty());
}

TEST_F(OtherVesselsTable, RangeAndBearingNotAvailableWithoutOwnVessel)
{
    feed.classA(211000001, 4.5f, 52.25f, 102.3f, 360.0f);
    feed.measure();
    refresh();
    EXPECT_EQ(rowOf(211000001).mid(4, 2), QStringList({"--", "--"}));
    EXPECT_EQ(rowOf(211000001).mid(8, 2), QStringList({"--", "--"}));
}

TEST_F(OtherVesselsTable, ReportAgeCountsFromTheLastUpdateEitherWayOfTheClock)
{
    feed.classA(211000001, 4.5f, 52.25f);
    STestClock::now += 7;
    refresh();
    EXPECT_EQ(rowOf(211000001)[10], "7");

    feed.classA(211000001, 4.5f, 52.25f);
    STestClock::now -= 10; // the computer's clock set back right after the update
    refresh();
    EXPECT_EQ(rowOf(211000001)[10], "10");
}

TEST_F(OtherVesselsTable, OneRefreshDropsGoneTargetsAddsNewOnesAndRewritesKnownRowsInPlace)
{
    const unsigned int a = 211000001, b = 211000002, c = 211000003;
    feed.classA(a, 4.0f, 52.0f);
    feed.classA(c, 4.2f, 52.0f);
    refresh();
    ASSERT_EQ(model.sortProxy()->rowCount(), 2);
    const QStandardItem* rowOfC = firstItemOf(c);

    STestClock::now += 601; // a is not heard again and leaves the table
    feed.classA(b, 4.1f, 52.0f);
    feed.classA(c, 4.2f, 52.5f);
    feed.ageOut();
    AlarmProbe log;
    refresh();
    EXPECT_EQ(log.count(kMismatch), 0);
    EXPECT_TRUE(rowOf(a).isEmpty());
    EXPECT_EQ(rowOf(b)[0], "211000002");
    EXPECT_EQ(firstItemOf(c), rowOfC) << "a known target's row is rewritten, not rebuilt";
    EXPECT_EQ(rowOf(c)[6], " 52°30' 0\"N");
    EXPECT_EQ(model.gridModel()->rowCount(), 2);
    model.sortProxy()->sort(0);
    EXPECT_EQ(shown(0), QStringList({"211000002", "211000003"}));
}

TEST_F(OtherVesselsTable, RowsAboveTheLastTargetLeaveWithoutARebuild)
{
    const unsigned int a = 211000001, b = 211000002, c = 211000003;
    feed.classA(a, 4.0f, 52.0f);
    feed.classA(b, 4.1f, 52.0f);
    feed.classA(c, 4.2f, 52.0f);
    refresh();
    const QStandardItem* rowOfA = firstItemOf(a);
    STestClock::now += 601; // only a is heard again: the two highest MMSIs age out
    feed.classA(a, 4.0f, 52.0f);
    feed.ageOut();
    AlarmProbe log;
    refresh();
    EXPECT_EQ(log.count(kMismatch), 0) << "a station ageing out is no error";
    EXPECT_EQ(model.gridModel()->rowCount(), 1);
    EXPECT_EQ(model.gridModel()->rowMap.size(), 1u);
    EXPECT_EQ(rowOf(a)[0], "211000001");
    EXPECT_EQ(firstItemOf(a), rowOfA) << "the row kept is not rebuilt";
}

TEST_F(OtherVesselsTable, EveryColumnSortsWithAbsentValuesLastAscendingAndFirstDescending)
{
    feedEveryKind();
    feed.classA(211000010, 4.01f, 52.01f, 0.5f, 359.9f);
    feed.classA(211000011, 3.5f, 51.5f, 9.8f, 5.0f);
    feed.classA(2000012, 4.9f, 52.9f, 100.0f, 45.0f);
    feed.measure();
    STestClock::now += 3;
    feed.classA(211000010, 4.01f, 52.01f, 0.5f, 359.9f);
    STestClock::now += 9; // report ages 12, 9 and 0
    feed.classA(211000011, 3.5f, 51.5f, 9.8f, 5.0f);
    refresh();
    ASSERT_EQ(model.sortProxy()->rowCount(), 10);

    const CSortFilterProxyModel::SORT_T* types = model.itemSequence().aSortType;
    for (int column = 0; column < 11; ++column) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            model.sortProxy()->sort(column, order);
            QStringList texts = shown(column);
            if (order == Qt::DescendingOrder)
                std::reverse(texts.begin(), texts.end());
            // Ascending from here on: values in order, then the absent ones.
            bool seenAbsent = false;
            for (int i = 0; i < texts.size(); ++i) {
                if (absent(texts[i])) {
                    seenAbsent = true;
                    continue;
                }
                EXPECT_FALSE(seenAbsent) << "column " << column << " order " << order << ": "
                                         << texts.join('|').toStdString();
                if (i == 0 || absent(texts[i - 1]))
                    continue;
                const QString& before = texts[i - 1];
                const QString& after = texts[i];
                if (types[column] == CSortFilterProxyModel::SORT_DOUBLE)
                    EXPECT_LE(before.toDouble(), after.toDouble()) << column;
                else if (types[column] == CSortFilterProxyModel::SORT_INT)
                    EXPECT_LE(before.toInt(), after.toInt()) << column;
                else
                    EXPECT_LE(QString::compare(before, after), 0)
                        << column << " " << before.toStdString() << " " << after.toStdString();
            }
        }
    }
    // Numbers that would sort otherwise as text.
    model.sortProxy()->sort(4);
    EXPECT_EQ(shown(4).mid(0, 5), QStringList({"0", "0.5", "5.5", "9.8", "12"}));
    model.sortProxy()->sort(10);
    EXPECT_EQ(shown(10).last(), "12");
    model.sortProxy()->sort(0);
    EXPECT_EQ(shown(0).mid(0, 2), QStringList({"002000012", "002655619"})) << "short MMSIs by their value";
}

TEST_F(OtherVesselsTable, SortedViewsKeepTheirOrderAsTargetsMove)
{
    feed.ownVessel(0.0f, 0.0f);
    const unsigned int first = 211000001;
    for (unsigned int i = 0; i < 5; ++i) // 1 to 5 NM north
        feed.classA(first + i, 0.0f, (i + 1) / 60.0f);
    feed.measure();
    refresh();

    QTableView view;
    view.setModel(model.sortProxy());
    view.setSortingEnabled(true);
    view.sortByColumn(8, Qt::AscendingOrder);
    EXPECT_EQ(shown(0).first(), "211000001");
    std::vector<const QStandardItem*> items;
    for (unsigned int i = 0; i < 5; ++i)
        items.push_back(firstItemOf(first + i));

    // They turn round: the farthest comes closest.
    STestClock::now += 1;
    for (unsigned int i = 0; i < 5; ++i)
        feed.classA(first + i, 0.0f, (5 - i) / 60.0f * 0.9f);
    feed.classA(first + 5, 0.0f, 10.0f / 60.0f); // a new one farther out
    feed.measure();
    refresh(); // the rows take their new places without the view sorting again
    EXPECT_EQ(shown(0), QStringList({"211000005", "211000004", "211000003", "211000002", "211000001", "211000006"}));
    for (unsigned int i = 0; i < 5; ++i)
        EXPECT_EQ(firstItemOf(first + i), items[i]);
    EXPECT_EQ(view.model()->index(0, 0).data().toString(), "211000005");
}

TEST_F(OtherVesselsTable, TwoThousandTargetsComeMoveAndGo)
{
    constexpr unsigned int kFirst = 211000000;
    constexpr unsigned int kCount = 2000;
    for (unsigned int i = 0; i < kCount; ++i)
        feed.classA(kFirst + i * 7, 4.0f + (i % 100) * 0.01f, 52.0f + (i / 100) * 0.01f);
    refresh();
    ASSERT_EQ(model.sortProxy()->rowCount(), static_cast<int>(kCount));
    model.sortProxy()->sort(0);
    EXPECT_EQ(model.sortProxy()->index(0, 0).data().toString(), "211000000");
    EXPECT_EQ(model.sortProxy()->index(kCount - 1, 0).data().toString(), QString::number(kFirst + (kCount - 1) * 7));

    // Ten minutes on: the last 1500 have reported again from elsewhere, the first 500 are gone and
    // 300 new ones have come among them.
    const QStandardItem* kept = firstItemOf(kFirst + 1999 * 7);
    STestClock::now += 601;
    for (unsigned int i = 500; i < kCount; ++i)
        feed.classA(kFirst + i * 7, 5.0f, 53.0f, 3.0f, 45.0f);
    for (unsigned int i = 0; i < 300; ++i)
        feed.classA(kFirst + i * 7 + 3, 6.0f, 54.0f);
    feed.ageOut();
    AlarmProbe log;
    refresh();
    EXPECT_EQ(log.count(kMismatch), 0);
    ASSERT_EQ(model.sortProxy()->rowCount(), 1800);
    EXPECT_EQ(firstItemOf(kFirst + 1999 * 7), kept) << "rows of known targets are rewritten in place";
    EXPECT_EQ(rowOf(kFirst + 1999 * 7).mid(4, 4), QStringList({"3", "45", " 53° 0' 0\"N", "  5° 0' 0\"E"}));
    EXPECT_TRUE(rowOf(kFirst + 499 * 7).isEmpty());
    EXPECT_EQ(rowOf(kFirst + 3)[6], " 54° 0' 0\"N");
    EXPECT_EQ(model.sortProxy()->index(0, 0).data().toString(), "211000003") << "new rows take their sorted place";
}
