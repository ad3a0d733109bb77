// The once-a-second refresh of the vessel table: it reads the target table only under the table's
// own lock, and a row shows what arrived later (static data, a new position) although only the
// cells whose values changed are formatted again.
#include "view/TargetExchangeSet.h"

#include "TargetFeed.h"

#include <QSignalSpy>
#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

using namespace TestSupport;
using namespace SensorScope;
using namespace SensorScope::Target;

namespace {

class VesselTableRefresh : public ::testing::Test
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

    QStringList rowOf(unsigned int mmsi)
    {
        QStringList texts;
        const auto found = model.gridModel()->rowMap.find(mmsi);
        if (found != model.gridModel()->rowMap.end()) {
            for (const QStandardItem* item : *found->second)
                texts << item->text();
        }
        return texts;
    }

    CTargetFeed feed;
    CTargetExchangeSet model;
};

} // namespace

TEST_F(VesselTableRefresh, WaitsForTheTargetTablesLock)
{
    feed.classA(211000001, 4.5f, 52.25f);
    // Another thread holds the table's lock, as the communication thread does while it fills it.
    std::atomic<bool> held{false};
    std::atomic<bool> released{false};
    std::thread writer([&] {
        feed.table.visitRecords([&](CTargetMetaData*, const std::map<unsigned int, CTargetMetaData*>&,
                                    CTargetMetaData*) {
            held = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            released = true;
        });
    });
    while (!held)
        std::this_thread::yield();
    model.updateExchangeSet(&feed.table);
    EXPECT_TRUE(released) << "the table was read while another thread held its lock";
    writer.join();
    EXPECT_EQ(rowOf(211000001).value(0), "211000001");
}

TEST_F(VesselTableRefresh, LaterStaticDataAndMovesReachTheRowAndTheAgeCountsOn)
{
    feed.ownVessel(4.0f, 52.0f);
    feed.classA(211000001, 4.5f, 52.25f, 12.0f, 90.0f);
    feed.measure();
    model.updateExchangeSet(&feed.table);
    const QStringList first = rowOf(211000001);
    ASSERT_EQ(first.size(), 11);
    EXPECT_EQ(first[1], "");
    const QStandardItem* mmsiItem = model.gridModel()->rowMap.at(211000001)->at(0);

    // The name and call sign arrive a second later; nothing else of the station changes.
    STestClock::now += 1;
    UN_AIS_MESSAGE voyage{};
    voyage.msg5.msgId = 5;
    voyage.msg5.mmsi = 211000001;
    std::strcpy(voyage.msg5.callSign, "DABC");
    std::strcpy(voyage.msg5.name, "NORDIC STAR");
    feed.receive(voyage);
    model.updateExchangeSet(&feed.table);
    QStringList row = rowOf(211000001);
    EXPECT_EQ(row[1], "NORDIC STAR");
    EXPECT_EQ(row[2], "DABC");
    EXPECT_EQ(row.mid(3, 7), first.mid(3, 7));
    EXPECT_EQ(model.gridModel()->rowMap.at(211000001)->at(0), mmsiItem) << "rewritten in place";

    // Not heard for five seconds after its static data: only the age moves on.
    STestClock::now += 5;
    QSignalSpy changes(model.gridModel(), &QAbstractItemModel::dataChanged);
    model.updateExchangeSet(&feed.table);
    row = rowOf(211000001);
    EXPECT_EQ(row[10], "5");
    EXPECT_EQ(changes.count(), 1) << "one refresh is announced as one change";

    // Heard again from elsewhere: position, speed, course, range and bearing follow.
    feed.classA(211000001, 4.0f, 52.5f, 3.0f, 180.0f);
    feed.measure();
    model.updateExchangeSet(&feed.table);
    row = rowOf(211000001);
    EXPECT_EQ(row.mid(4, 4), QStringList({"3", "180", " 52°30' 0\"N", "  4° 0' 0\"E"}));
    EXPECT_EQ(row[8], "30.04") << "half a degree of latitude north";
    EXPECT_EQ(row[9], "0");
    EXPECT_EQ(row[10], "0");

    // Nothing changed at all: nothing is announced.
    changes.clear();
    model.updateExchangeSet(&feed.table);
    EXPECT_EQ(changes.count(), 0);
}
