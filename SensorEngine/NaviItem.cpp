#include "SensorEngine/NaviItem.h"

#include "services/SysDebug.h"

#include <cstring>
#include <ctime>
#include <limits>
#include <vector>

namespace NaviScope {

namespace {

bool writeAll(FILE* file, const void* data, size_t size)
{
    return size == 0 || std::fwrite(data, 1, size, file) == size;
}

bool readAll(FILE* file, void* data, size_t size)
{
    return size == 0 || std::fread(data, 1, size, file) == size;
}

// Bytes from the current position to the end of the file, or -1 when the file cannot tell.
long restOf(FILE* file)
{
    const long at = std::ftell(file);
    if (at < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(file);
    if (std::fseek(file, at, SEEK_SET) != 0)
        return -1;
    return end - at;
}

} // namespace

CNaviItem::CNaviItem() : m_creationTime(static_cast<int64_t>(std::time(nullptr)))
{}

bool CNaviItem::initial(char screenCount, char screenIndex)
{
    initFeatures(&m_features);
    if (screenCount == kDisplayCount && screenIndex >= 0 && screenIndex < kDisplayCount) {
        m_screenIndex = screenIndex;
        return true;
    }
    CAbstractSysDebug* log = Pattern::Singleton<SysDebug>::instance();
    log->debug(DEBUG_MSG_EXCEPTION, "bool NaviScope::CNaviItem::checkScreenWg(int8, int8)", currentThreadTag(),
               "The ScreenWgIdx and ScreenWgCnt value is wrang");
    return false;
}

void CNaviItem::initFeatures(SNaviItemFeature*)
{}

void CNaviItem::initNodeFeatures(SNaviNodeFeature*)
{}

void CNaviItem::addNodes(int count, int index)
{
    if (count <= 0)
        return;
    index = index < 0 ? 0 : index > static_cast<int>(m_nodes.size()) ? static_cast<int>(m_nodes.size()) : index;
    SNaviNodeData node;
    initNodeFeatures(&node.features);
    m_nodes.insert(m_nodes.begin() + index, static_cast<size_t>(count), node);
}

bool CNaviItem::setNodeData(const SNaviNodeData& node, int index)
{
    if (!validIndex(index)) {
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Set item index is faild");
        return false;
    }
    m_nodes[static_cast<size_t>(index)] = node;
    m_movingIndex = index;
    return true;
}

bool CNaviItem::setNodePt(const Unit::SPointG2dD& point, int index)
{
    if (!validIndex(index)) {
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Set item index is faild");
        return false;
    }
    m_nodes[static_cast<size_t>(index)].latitude = point.latitude;
    m_nodes[static_cast<size_t>(index)].longitude = point.longitude;
    m_movingIndex = index;
    return true;
}

bool CNaviItem::setNodeMoving(bool, int index)
{
    if (!validIndex(index)) {
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Not found item");
        return false;
    }
    m_movingIndex = index;
    return true;
}

bool CNaviItem::deleteItem(int index)
{
    if (!validIndex(index))
        return false;
    m_nodes.erase(m_nodes.begin() + index);
    return true;
}

bool CNaviItem::deleteHoldItem()
{
    if (!deleteItem(m_holderIndex))
        return false;
    if (m_nodes.size() >= 2 && m_holderIndex > 0)
        --m_holderIndex;
    return true;
}

void CNaviItem::finished()
{
    m_movingIndex = -1;
    m_screenIndex = -1;
}

void CNaviItem::cloneData(CNaviItem* target) const
{
    if (target == nullptr)
        return;
    target->m_type = m_type;
    target->m_features = m_features;
    target->m_nodes = m_nodes;
}

void CNaviItem::initActivatedStatus()
{
    m_activated[0] = -1;
    m_activated[1] = -1;
    m_activatedPosition = Unit::SPointG2dD();
}

void CNaviItem::initHolderStatus()
{
    m_holderIndex = -1;
    m_holderState = 65535;
}

bool CNaviItem::exportItem(FILE* file) const
{
    if (file == nullptr || m_nodes.size() > static_cast<size_t>(std::numeric_limits<int16_t>::max()))
        return false;
    uint8_t version[NAVI_VERSION_SIZE] = {};
    std::memcpy(version, &NAVI_ITEM_VERSION, sizeof(NAVI_ITEM_VERSION));
    uint8_t info[NAVI_ITEM_INFO_SIZE] = {};
    const uint32_t type = m_type;
    std::memcpy(info, &type, sizeof(type));
    info[4] = m_visible ? 1 : 0;
    std::memcpy(info + 8, &m_creationTime, sizeof(m_creationTime));
    const int16_t count = static_cast<int16_t>(m_nodes.size());
    bool ok = writeAll(file, version, sizeof(version)) && writeAll(file, info, sizeof(info)) &&
              writeAll(file, m_features.bytes, sizeof(m_features.bytes)) && writeAll(file, &count, sizeof(count));
    for (const SNaviNodeData& node : m_nodes) {
        const int32_t length = static_cast<int32_t>(node.description.size());
        ok = ok && writeAll(file, node.head, sizeof(node.head)) && writeAll(file, node.screen, sizeof(node.screen)) &&
             writeAll(file, &node.latitude, sizeof(node.latitude)) &&
             writeAll(file, &node.longitude, sizeof(node.longitude)) &&
             writeAll(file, &node.features, sizeof(node.features)) && writeAll(file, &length, sizeof(length)) &&
             writeAll(file, node.description.data(), node.description.size());
    }
    return ok;
}

bool CNaviItem::importItem(FILE* file)
{
    if (file == nullptr)
        return false;
    uint8_t version[NAVI_VERSION_SIZE];
    int64_t value = 0;
    if (!readAll(file, version, sizeof(version)))
        return false;
    std::memcpy(&value, version, sizeof(value));
    if (value != NAVI_ITEM_VERSION)
        return false;
    uint8_t info[NAVI_ITEM_INFO_SIZE];
    SNaviItemFeature features;
    int16_t count = 0;
    if (!readAll(file, info, sizeof(info)) || !readAll(file, features.bytes, sizeof(features.bytes)) ||
        !readAll(file, &count, sizeof(count)))
        return false;
    uint32_t type = 0;
    int64_t created = 0;
    std::memcpy(&type, info, sizeof(type));
    std::memcpy(&created, info + 8, sizeof(created));
    if (type > NAVI_ITEM_LAST || created < 0 || count < 0)
        return false;
    m_type = static_cast<NAVI_ITEM_T>(type);
    m_visible = info[4] != 0;
    m_creationTime = created;
    m_features = features;

    for (int i = 0; i < count; ++i) {
        SNaviNodeData node;
        int32_t length = 0;
        if (!readAll(file, node.head, sizeof(node.head)) || !readAll(file, node.screen, sizeof(node.screen)) ||
            !readAll(file, &node.latitude, sizeof(node.latitude)) ||
            !readAll(file, &node.longitude, sizeof(node.longitude)) ||
            !readAll(file, &node.features, sizeof(node.features)) || !readAll(file, &length, sizeof(length)))
            return false;
        const char* name = reinterpret_cast<const char*>(node.head + 1);
        if (strnlen(name, NAVI_NODE_HEAD_SIZE - 1) > NAVI_NODE_NAME_MAX)
            return false;
        if (!(node.latitude > -91.0 && node.latitude < 91.0 && node.longitude > -181.0 && node.longitude < 181.0))
            return false;
        // A length the rest of the file cannot hold is damage, not a reason to allocate it.
        const long rest = restOf(file);
        if (length < 0 || rest < 0 || length > rest)
            return false;
        std::vector<char> text(static_cast<size_t>(length));
        if (!readAll(file, text.data(), text.size()))
            return false;
        node.description.assign(text.begin(), text.end());
        m_nodes.push_back(node);
    }
    return true;
}

void CNaviTrackItem::initNodeFeatures(SNaviNodeFeature* features)
{
    if (features == nullptr)
        return;
    features->speed = 102.3f;
    features->course = 360.0f;
    features->heading = 511.0f;
}

void CNaviTrackItem::trimToNewest(size_t count)
{
    while (nodes().size() > count)
        nodes().pop_front();
}

} // namespace NaviScope
