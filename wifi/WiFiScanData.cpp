// Scan results grouped by SSID, strongest first, and the access point the module is linked to.
#include "wifi/XQDWiFiPaser.h"

#include "services/PortalStr.h"
#include "services/SysDebug.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

using namespace WiFiScope;

namespace {

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    size_t at = 0;
    while (true) {
        const size_t comma = line.find(',', at);
        fields.push_back(line.substr(at, comma == std::string::npos ? std::string::npos : comma - at));
        if (comma == std::string::npos)
            return fields;
        at = comma + 1;
    }
}

int integerOf(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

std::string upperCase(std::string text)
{
    Portal::Str::UpperCase(&text[0]);
    return text;
}

} // namespace

// A result line: SSID, AP identifier, a third field, RSSI and security. The last four never
// hold a comma, so an SSID that does keeps its commas: the fields are counted from the right.
void CXQDWiFiPaser::scanDataPaser(std::queue<std::string>& lines, std::queue<SClientAPData>& records)
{
    const size_t count = lines.size();
    for (size_t i = 0; i < count; ++i) {
        std::string line = lines.front();
        lines.pop();
        line.erase(std::find_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }), line.end());
        const std::vector<std::string> fields = fieldsOf(line);
        const std::string& first = fields.front();
        if (first.find("AT+SCAN") != std::string::npos || first.find("+ok=") != std::string::npos ||
            first.find("WiFiScanEnd") != std::string::npos)
            continue;
        // An error line is no result; an access point whose name holds "err" is.
        if (fields.size() < 5)
            continue;
        const size_t n = fields.size();
        SClientAPData record;
        for (size_t k = 0; k + 4 < n; ++k)
            record.ssid += (k == 0 ? "" : ",") + fields[k];
        record.apId = fields[n - 4];
        record.third = integerOf(fields[n - 3]);
        record.rssi = integerOf(fields[n - 2]);
        record.security = fields[n - 1];
        records.push(record);
    }
    std::queue<std::string>().swap(lines);
}

void CXQDWiFiPaser::classifyScanData(std::queue<SClientAPData> records, SWiFiData* target)
{
    if (target == nullptr)
        return;
    std::vector<SClientAPInfoStruct>& groups = target->scanned;
    groups.clear();
    for (; !records.empty(); records.pop()) {
        const SClientAPData& record = records.front();
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const SClientAPInfoStruct& g) { return g.ssid == record.ssid; });
        if (group == groups.end()) {
            SClientAPInfoStruct fresh;
            fresh.ssid = record.ssid;
            fresh.records.push_back(record);
            groups.push_back(fresh);
            continue;
        }
        // Ahead of every record not stronger than it: descending RSSI, the later one first on a tie.
        const auto stronger = std::count_if(group->records.begin(), group->records.end(),
                                            [&](const SClientAPData& r) { return r.rssi > record.rssi; });
        group->records.insert(group->records.begin() + stronger, record);
    }
}

void CXQDWiFiPaser::clientAPCntStatus(const char* token, SCmdProcData* target)
{
    if (target == nullptr)
        return;
    std::vector<SClientAPInfoStruct>& groups = target->data.scanned;
    for (SClientAPInfoStruct& group : groups)
        group.connectStatus = -1;
    if (token == nullptr)
        return;
    std::string key(token);
    key = key.substr(0, key.find(','));
    // Both sides are compared within the same 31 characters.
    key = upperCase(key.substr(0, WIFI_AP_ID_MATCH));
    int groupIndex = -1;
    int recordIndex = -1;
    for (size_t g = 0; g < groups.size() && groupIndex < 0; ++g) {
        for (size_t r = 0; r < groups[g].records.size(); ++r) {
            if (upperCase(groups[g].records[r].apId.substr(0, WIFI_AP_ID_MATCH)) == key) {
                groupIndex = static_cast<int>(g);
                recordIndex = static_cast<int>(r);
                break;
            }
        }
    }
    if (groupIndex >= 0) {
        SClientAPInfoStruct matched = groups[static_cast<size_t>(groupIndex)];
        matched.connectStatus = recordIndex;
        target->data.sLinkStatus.linkedAP = matched.records[static_cast<size_t>(recordIndex)];
        groups.erase(groups.begin() + groupIndex);
        groups.insert(groups.begin(), matched);
    }
    SYS_DEBUG(DEBUG_MSG_INFO, "AP info idx = %d\nSub Idx = %d", groupIndex, recordIndex);
}
