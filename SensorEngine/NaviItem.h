#pragma once

#include "services/UnitTypes.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>

namespace NaviScope {

enum NAVI_ITEM_T : uint32_t {
    NAVI_ITEM_NONE = 0,
    NAVI_ITEM_TRACK = 1,
    NAVI_ITEM_LAST = 7, // the highest item type a file may hold
};

constexpr int NAVI_NODE_HEAD_SIZE = 128;
constexpr int NAVI_NODE_NAME_MAX = 31;
constexpr int NAVI_NODE_SCREEN_SIZE = 32;
constexpr int NAVI_ITEM_FEATURE_SIZE = 256;
constexpr int NAVI_ITEM_INFO_SIZE = 128;
constexpr int NAVI_VERSION_SIZE = 16;
constexpr int64_t NAVI_ITEM_VERSION = 1;

// What a node carries beyond its position: for a track, the target's motion at that point.
struct SNaviNodeFeature
{
    float speed = 0.0f;
    float course = 0.0f;
    float heading = 0.0f;
    uint8_t reserved[100] = {};
};
static_assert(sizeof(SNaviNodeFeature) == 112, "node feature record");

struct SNaviItemFeature
{
    uint8_t bytes[NAVI_ITEM_FEATURE_SIZE] = {};
};

struct SNaviNodeData
{
    uint8_t head[NAVI_NODE_HEAD_SIZE] = {}; // byte 1 on: the node name, NUL-terminated
    uint8_t screen[NAVI_NODE_SCREEN_SIZE] = {};
    double latitude = 91.0;
    double longitude = 181.0;
    SNaviNodeFeature features;
    std::string description;
};

// A list of navigation nodes with its file form.
class CNaviItem
{
public:
    static constexpr int kDisplayCount = 4;

    CNaviItem();
    virtual ~CNaviItem() = default;

    bool initial(char screenCount, char screenIndex);
    virtual void initFeatures(SNaviItemFeature* features);
    virtual void initNodeFeatures(SNaviNodeFeature* features);

    void addNodes(int count, int index);
    void addNode(int index) { addNodes(1, index); }
    void appendNode(const SNaviNodeData& node) { m_nodes.push_back(node); }
    bool setNodeData(const SNaviNodeData& node, int index);
    bool setNodePt(const Unit::SPointG2dD& point, int index);
    bool setNodeMoving(bool moving, int index);
    bool deleteItem(int index);
    bool deleteHoldItem();
    void finished();
    void cloneData(CNaviItem* target) const;
    void setNaviType(NAVI_ITEM_T type) { m_type = type; }
    void setVisible(bool visible) { m_visible = visible; }
    void initActivatedStatus();
    void initHolderStatus();

    // The item file: version, item information, features, then the nodes.
    bool exportItem(FILE* file) const;
    // False at the first refusal or short read; the nodes read before it stay in the item.
    bool importItem(FILE* file);

    const std::deque<SNaviNodeData>& nodes() const { return m_nodes; }
    std::deque<SNaviNodeData>& nodes() { return m_nodes; }
    NAVI_ITEM_T type() const { return m_type; }
    int64_t creationTime() const { return m_creationTime; }
    int screenIndex() const { return m_screenIndex; }

private:
    bool validIndex(int index) const { return index >= 0 && index < static_cast<int>(m_nodes.size()); }

    std::deque<SNaviNodeData> m_nodes;
    NAVI_ITEM_T m_type = NAVI_ITEM_NONE;
    bool m_visible = true;
    int64_t m_creationTime = 0;
    SNaviItemFeature m_features;
    int m_holderIndex = -1;
    int m_holderState = -1;
    int m_activated[2] = {-1, -1};
    Unit::SPointG2dD m_activatedPosition;
    int m_movingIndex = -1;
    int m_screenIndex = -1;
};

// The track of one target.
class CNaviTrackItem : public CNaviItem
{
public:
    // Nodes a track keeps; older ones are trimmed.
    static constexpr size_t kMaxNodes = 720;

    CNaviTrackItem() { setNaviType(NAVI_ITEM_TRACK); }
    void initFeatures(SNaviItemFeature*) override {}
    void initNodeFeatures(SNaviNodeFeature* features) override;
    void trimToNewest(size_t count);
};

} // namespace NaviScope
