#include "SensorEngine/NaviItem.h"
#include "SensorEngine/TargetMetaData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace NaviScope;

namespace {

// Bytes in a temporary file, read back from its start.
class CMemoryFile
{
public:
    explicit CMemoryFile(const std::string& bytes = {}) : m_file(std::tmpfile())
    {
        std::fwrite(bytes.data(), 1, bytes.size(), m_file);
        std::rewind(m_file);
    }
    ~CMemoryFile() { std::fclose(m_file); }
    FILE* get() const { return m_file; }
    std::string all() const
    {
        std::rewind(m_file);
        std::string out;
        for (int c = std::fgetc(m_file); c != EOF; c = std::fgetc(m_file))
            out.push_back(static_cast<char>(c));
        return out;
    }

private:
    FILE* m_file;
};

std::string exported(const CNaviItem& item)
{
    CMemoryFile file;
    EXPECT_TRUE(item.exportItem(file.get()));
    return file.all();
}

CNaviTrackItem sampleTrack()
{
    CNaviTrackItem track;
    track.addNodes(3, 0);
    track.setNodePt({52.0, 4.0}, 0); // a file holds only positions on the globe
    track.setNodePt({52.5, 4.25}, 1);
    SNaviNodeData named = track.nodes()[2];
    std::strcpy(reinterpret_cast<char*>(named.head + 1), "WP-3");
    named.description = "turn to the harbour";
    named.latitude = -33.5;
    named.longitude = 151.25;
    track.setNodeData(named, 2);
    return track;
}

} // namespace

TEST(NaviItemFile, WrittenAndReadBack)
{
    const CNaviTrackItem track = sampleTrack();
    CMemoryFile file(exported(track));
    CNaviTrackItem copy;
    ASSERT_TRUE(copy.importItem(file.get()));
    ASSERT_EQ(copy.nodes().size(), 3u);
    EXPECT_EQ(copy.type(), NAVI_ITEM_TRACK);
    EXPECT_EQ(copy.creationTime(), track.creationTime());
    EXPECT_DOUBLE_EQ(copy.nodes()[1].latitude, 52.5);
    EXPECT_STREQ(reinterpret_cast<const char*>(copy.nodes()[2].head + 1), "WP-3");
    EXPECT_EQ(copy.nodes()[2].description, "turn to the harbour");
    EXPECT_FLOAT_EQ(copy.nodes()[0].features.speed, 102.3f);
    EXPECT_FLOAT_EQ(copy.nodes()[0].features.heading, 511.0f);
}

TEST(NaviItemFile, DamagedFilesAreRefused)
{
    const std::string whole = exported(sampleTrack());
    for (size_t length = 0; length < whole.size(); ++length) {
        CMemoryFile file(whole.substr(0, length));
        CNaviTrackItem item;
        EXPECT_FALSE(item.importItem(file.get())) << "cut at " << length;
    }
    // A description length beyond the rest of the file.
    std::string lying = whole;
    const size_t lastLength = whole.size() - std::strlen("turn to the harbour") - 4;
    const int32_t huge = 0x7FFFFFF0;
    std::memcpy(&lying[lastLength], &huge, sizeof(huge));
    CMemoryFile file(lying);
    CNaviTrackItem item;
    EXPECT_FALSE(item.importItem(file.get()));
    EXPECT_EQ(item.nodes().size(), 2u) << "the nodes before the damage stay";

    // Another version, a position off the globe, a name too long, a negative length.
    const size_t firstNode = 16 + 128 + 256 + 2;
    const auto refused = [&](size_t at, const void* value, size_t size) {
        std::string bad = whole;
        std::memcpy(&bad[at], value, size);
        CMemoryFile f(bad);
        CNaviTrackItem i;
        return !i.importItem(f.get());
    };
    const int64_t two = 2;
    const double pole = 91.0;
    const int32_t negative = -1;
    std::string longName(40, 'N');
    EXPECT_TRUE(refused(0, &two, sizeof(two)));
    EXPECT_TRUE(refused(firstNode + 128 + 32, &pole, sizeof(pole)));
    EXPECT_TRUE(refused(firstNode + 1, longName.data(), longName.size()));
    EXPECT_TRUE(refused(firstNode + 128 + 32 + 16 + 112, &negative, sizeof(negative)));
}

TEST(TargetTrack, KeepsTheNewestSevenHundredTwentyNodes)
{
    SensorScope::Target::CTargetMetaData target;
    target.assignTargetModel(SensorScope::Target::TARGET_TYPE_AIS, true, SensorScope::SENSOR_I62_LISTENER_NONE);
    for (int i = 0; i < 725; ++i) {
        target.aisData()->setLatLonChecking(50.0 + i * 0.001, 4.0);
        target.recordTargetTrack();
    }
    target.doTargetsTrackLoseNode();
    const auto& nodes = target.track().nodes();
    ASSERT_EQ(nodes.size(), 720u);
    EXPECT_NEAR(nodes.front().latitude, 50.005, 1e-9);
    EXPECT_NEAR(nodes.back().latitude, 50.724, 1e-9);
}
