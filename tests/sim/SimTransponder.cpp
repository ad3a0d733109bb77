#include "SimTransponder.h"

#include "SimSentence.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

int toInt(const std::vector<std::string>& f, size_t i)
{
    return i < f.size() ? std::atoi(f[i].c_str()) : 0;
}

std::string field(const std::vector<std::string>& f, size_t i)
{
    return i < f.size() ? f[i] : std::string();
}

std::string hexOf(const std::string& text)
{
    std::string hex;
    char pair[3];
    for (unsigned char c : text) {
        std::snprintf(pair, sizeof(pair), "%02X", c);
        hex += pair;
    }
    return hex;
}

std::string textOfHex(const std::string& hex)
{
    std::string text;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        text += static_cast<char>(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16));
    return text;
}

// "ddmm.mmmm,N" or "dddmm.mmmm,E"
std::string angle(double degrees, int degreeDigits, char positive, char negative)
{
    const double magnitude = degrees < 0 ? -degrees : degrees;
    const int whole = static_cast<int>(magnitude);
    char text[32];
    std::snprintf(text, sizeof(text), "%0*d%07.4f,%c", degreeDigits, whole, (magnitude - whole) * 60.0,
                  degrees < 0 ? negative : positive);
    return text;
}

// One line of the system-data text, CR LF ended.
template <typename... Args> std::string keyLine(const char* format, Args... args)
{
    char line[CSimTransponder::kMaxLine];
    std::snprintf(line, sizeof(line) - 2, format, args...);
    return std::string(line) + "\r\n";
}

// "hhmmss.00" and "ddmmyy" of a time, or of now for 0. Worked out by hand: gmtime would touch
// the C library's time-zone state, which the program's own time conversions use on another thread.
void utcNow(long long given, char* clock, size_t clockSize, char* date, size_t dateSize)
{
    const long long now = given != 0 ? given : static_cast<long long>(std::time(nullptr));
    const long long seconds = now % 86400;
    // Days since 1970-01-01 to a civil date (proleptic Gregorian).
    const long long z = now / 86400 + 719468;
    const long long era = z / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    std::snprintf(clock, clockSize, "%02d%02d%02d.00", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    std::snprintf(date, dateSize, "%02d%02d%02d", day, month, year % 100);
}

} // namespace

CSimTransponder::CSimTransponder(int model)
{
    m_state.model = model;
}

std::vector<std::string> CSimTransponder::onLine(const std::string& line)
{
    if (m_passThroughOn) {
        if (line.rfind("$PDBG,163,0", 0) == 0) {
            m_passThroughOn = false;
            if (m_passThrough != nullptr)
                m_passThrough->onLeave();
            return {};
        }
        return m_passThrough != nullptr ? m_passThrough->onLine(line) : std::vector<std::string>();
    }
    // A real transponder ignores what it cannot trust.
    if (line.empty() || (line[0] != '$' && line[0] != '!') || !SimSentence::checksumValid(line))
        return {};
    const std::vector<std::string> f = SimSentence::fields(line);
    if (f[0] == "!AIAIQ" || field(f, 1) == "Q" || f[0] == "$PTST")
        return query(f);
    applySetting(f);
    if (f[0] == "$PDBG" && toInt(f, 1) == 163 && toInt(f, 2) == 1 && m_passThrough != nullptr) {
        m_passThroughOn = true;
        return m_passThrough->onEnter();
    }
    return {};
}

std::vector<std::string> CSimTransponder::query(const std::vector<std::string>& f) const
{
    if (f[0] == "!AIAIQ") {
        const std::string what = field(f, 1);
        if (what == "VER")
            return versionReply();
        if (what == "CEK") {
            char body[160];
            std::snprintf(body, sizeof(body), "$AICEK,1,1,,%09u,%s%s,R", m_state.keyExchangeMmsi,
                          std::string(32, '0').c_str(), hexOf(m_state.encryptionCode).c_str());
            return {SimSentence::complete(body)};
        }
        if (what == "EPV") {
            std::vector<std::string> lines;
            for (const auto& [property, value] : {std::pair<int, uint32_t>{109, m_state.epv109}, {110, m_state.epv110}}) {
                char body[96];
                std::snprintf(body, sizeof(body), "$AIEPV,R,AI,%09u,%d,%u", m_state.mmsi, property, value);
                lines.push_back(SimSentence::complete(body));
            }
            return lines;
        }
        return {};
    }
    if (f[0] == "$PTST")
        return toInt(f, 5) == 16 ? systemDataText() : std::vector<std::string>();
    if (f[0] == "$PQXV" && field(f, 2) == "CFG")
        return configReply(toInt(f, 3));
    return {};
}

std::vector<std::string> CSimTransponder::versionReply() const
{
    char body[160];
    std::snprintf(body, sizeof(body), "$AIVER,1,1,AI,%s,%s,%lld,%d,%s,%s,%s", m_state.vendorId.c_str(),
                  m_state.uniqueId.c_str(), static_cast<long long>(m_state.serialNumber), m_state.modelCode,
                  kModelNames[m_state.model == 2 ? 2 : 1], m_state.hardwareRev.c_str(), m_state.sequenceId.c_str());
    return {SimSentence::complete(body)};
}

std::string CSimTransponder::cfg(int group, int sub, int value, const std::string& text) const
{
    char head[64];
    std::snprintf(head, sizeof(head), "$PQXV,R,CFG,%d,%d,%d,", group, sub, value);
    // Lines stay within 200 characters, "*hh" and CR LF included.
    const std::string body = std::string(head) + text.substr(0, kMaxLine - 5 - std::string(head).size());
    return SimSentence::complete(body);
}

std::vector<std::string> CSimTransponder::configReply(int group) const
{
    const SSimTransponderState& s = m_state;
    const bool one = s.model != 2;
    std::vector<std::string> lines;
    switch (group) {
    case 8117: {
        // Indices 0 to 4, one digit each, packed as five-digit numbers.
        char value[8];
        std::snprintf(value, sizeof(value), "%d%d%d%d%d", s.status[0], s.status[1], s.status[2], s.status[3],
                      s.status[4]);
        char body[64];
        std::snprintf(body, sizeof(body), "$PQXV,R,CFG,8117,01234,%s,5", value);
        lines.push_back(SimSentence::complete(body));
        break;
    }
    case 108:
        for (int sub = 1; sub <= 6; ++sub)
            lines.push_back(cfg(108, sub, s.group108[sub], ""));
        lines.push_back(cfg(108, 109, s.group108Value109, ""));
        break;
    case 183:
        if (one) {
            const int subs[4] = {11, 10, 21, 20};
            for (int i = 0; i < 4; ++i)
                lines.push_back(cfg(183, subs[i], s.baudCode[i], ""));
        } else {
            lines.push_back(cfg(183, 1, s.baudCode[0], ""));
            lines.push_back(cfg(183, 2, s.baudCode[2], ""));
        }
        lines.push_back(cfg(183, 2000, s.nmea2000Instance, ""));
        break;
    case 30:
        lines.push_back(cfg(30, 1, s.srmFlags, ""));
        lines.push_back(cfg(30, 3, 12, s.group30Text12));
        lines.push_back(cfg(30, 3, 14, s.srmSingle));
        for (int i = 0; i < 4; ++i)
            lines.push_back(cfg(30, 5, i, s.srmBox[i]));
        break;
    case 31:
        if (!one)
            lines.push_back(cfg(31, 7, s.alrValue, ""));
        break;
    case 600:
        if (!one)
            lines.push_back(cfg(600, 11, s.wifiPresent, ""));
        break;
    default:
        break;
    }
    return lines;
}

std::vector<std::string> CSimTransponder::systemDataText() const
{
    const SSimTransponderState& s = m_state;
    return {
        keyLine("MMSI:(%u)", s.mmsi),
        keyLine("Name:(%s)", s.shipName.c_str()),
        keyLine("Call Sign:(%s)", s.callSign.c_str()),
        keyLine("Ship Cargo Type:(%d) A:(%d) B:(%d) C:(%d) D:(%d)", s.shipType, s.dimA, s.dimB, s.dimC, s.dimD),
        keyLine("S/N:(%s)", s.snText.c_str()),
        keyLine("Firmware:%s", s.firmware.c_str()),
        keyLine("DSC Monitor:(%d)", s.dscMonitor),
        keyLine("4 SRM box:(%d)", s.srmBoxCount),
        keyLine("[FwVersion]=%s", s.fwVersion.c_str()),
        keyLine("[WiFiModule]=%d", s.wifiModule),
        keyLine("[GPS_OnOff]=%d", s.gpsOn),
        keyLine("[MultipleBaudRate]=%d", s.multipleBaudRate),
        keyLine("[GPS_RI]=%d", s.gpsRi),
        keyLine("[GPS_NAV5_dynModel]=%d", s.gpsDynModel),
        keyLine("%s", "[SYSTEM DATA END]"),
    };
}

void CSimTransponder::applySetting(const std::vector<std::string>& f)
{
    SSimTransponderState& s = m_state;
    const std::string& head = f[0];
    if (head == "$ECSSD") {
        s.callSign = SimSentence::unescape(field(f, 1));
        s.shipName = SimSentence::unescape(field(f, 2));
        s.dimA = toInt(f, 3);
        s.dimB = toInt(f, 4);
        s.dimC = toInt(f, 5);
        s.dimD = toInt(f, 6);
    } else if (head == "$ECVSD") {
        s.shipType = toInt(f, 1);
    } else if (head == "$PQXV" && field(f, 1) == "C" && field(f, 2) == "MID") {
        s.mmsi = static_cast<uint32_t>(std::strtoul(field(f, 3).c_str(), nullptr, 10));
    } else if (head == "$PQXV" && field(f, 1) == "C" && field(f, 2) == "CFG") {
        applyCfg(f);
    } else if (head == "$PQXV" && field(f, 1) == "C" && field(f, 2) == "DBG") {
        applyDebugPairs(f, 3, true);
    } else if (head == "$PDBG") {
        applyDebugPairs(f, 1, false);
    } else if (head == "$AIEPV" && field(f, 1) == "C") {
        if (toInt(f, 4) == 109)
            s.epv109 = static_cast<uint32_t>(toInt(f, 5));
        else if (toInt(f, 4) == 110)
            s.epv110 = static_cast<uint32_t>(toInt(f, 5));
    } else if (head == "$AICEK" && field(f, 6) == "C") {
        s.cekSequence = toInt(f, 3);
        s.keyExchangeMmsi = static_cast<uint32_t>(std::strtoul(field(f, 4).c_str(), nullptr, 10));
        s.encryptionCode = textOfHex(field(f, 5));
    }
}

// "$PQXV,C,CFG,<group>,<sub>,<value>,<text>"
void CSimTransponder::applyCfg(const std::vector<std::string>& f)
{
    SSimTransponderState& s = m_state;
    const int group = toInt(f, 3);
    const int sub = toInt(f, 4);
    const int value = toInt(f, 5);
    const std::string text = field(f, 6);
    if (group == 31 && sub == 7)
        s.alrValue = value;
    else if (group == 108 && sub >= 1 && sub <= 6)
        s.group108[sub] = value;
    else if (group == 30 && sub == 5 && value >= 0 && value < 4)
        s.srmBox[value] = text;
    else if (group == 30 && sub == 3 && value == 14)
        s.srmSingle = text;
}

// Id/value pairs; the ids the controller uses change the state, pairs of zeros are padding.
void CSimTransponder::applyDebugPairs(const std::vector<std::string>& f, size_t first, bool proprietary)
{
    SSimTransponderState& s = m_state;
    for (size_t i = first; i + 1 < f.size(); i += 2) {
        if (f[i].empty())
            continue;
        const int id = toInt(f, i);
        const int value = toInt(f, i + 1);
        s.debugPairs.emplace_back(id, value);
        switch (id) {
        case 101:
            s.dscMonitor = value;
            break;
        case 50:
            s.gpsOn = value == 0 ? 1 : 0;
            break;
        case 51:
            s.gpsRi = value;
            break;
        case 703:
            s.gpsDynModel = value;
            break;
        case 40:
            s.baudCode[0] = value;
            if (proprietary)
                s.baudCode[1] = value;
            break;
        case 42:
            s.baudCode[1] = value;
            break;
        case 41:
            if (proprietary)
                s.baudCode[2] = s.baudCode[3] = value;
            break;
        case 38:
            s.baudCode[2] = value;
            break;
        case 39:
            s.baudCode[3] = value;
            break;
        default:
            break;
        }
    }
}

std::vector<std::string> CSimTransponder::periodic()
{
    if (m_passThroughOn)
        return {};
    const SSimTransponderState& s = m_state;
    char clock[48];
    char date[48];
    utcNow(s.utcSeconds, clock, sizeof(clock), date, sizeof(date));
    const std::string lat = angle(s.latitude, 2, 'N', 'S');
    const std::string lon = angle(s.longitude, 3, 'E', 'W');

    std::vector<std::string> lines;
    char body[160];
    // Satellites first: the GPS model takes a GSV cycle in with the next position sentence.
    if (!s.satellites.empty()) {
        std::string used;
        int inUse = 0;
        for (const SSimSatellite& sat : s.satellites) {
            if (sat.inUse && inUse < 12) {
                used += std::to_string(sat.prn) + ",";
                ++inUse;
            }
        }
        for (; inUse < 12; ++inUse)
            used += ",";
        std::snprintf(body, sizeof(body), "$GPGSA,A,%d,%s1.5,%.1f,1.2", s.fixMode, used.c_str(), s.hdop);
        lines.push_back(SimSentence::complete(body));
        const int count = static_cast<int>(s.satellites.size());
        const int messages = (count + 3) / 4;
        for (int m = 0; m < messages; ++m) {
            std::string text = "$GPGSV," + std::to_string(messages) + "," + std::to_string(m + 1) + "," +
                               std::to_string(count);
            for (int i = m * 4; i < count && i < m * 4 + 4; ++i) {
                const SSimSatellite& sat = s.satellites[static_cast<size_t>(i)];
                char one[48];
                // A satellite not yet located (negative elevation or azimuth) has both fields empty.
                if (sat.elevation < 0 || sat.azimuth < 0)
                    std::snprintf(one, sizeof(one), ",%02d,,,", sat.prn);
                else
                    std::snprintf(one, sizeof(one), ",%02d,%02d,%03d,", sat.prn, sat.elevation, sat.azimuth);
                text += one;
                if (sat.snr > 0)
                    text += std::to_string(sat.snr);
            }
            lines.push_back(SimSentence::complete(text));
        }
    }
    std::snprintf(body, sizeof(body), "$GPRMC,%s,A,%s,%s,%.1f,%.1f,%s,,,A", clock, lat.c_str(), lon.c_str(), s.sog,
                  s.cog, date);
    lines.push_back(SimSentence::complete(body));
    std::snprintf(body, sizeof(body), "$GPGGA,%s,%s,%s,1,08,0.9,12.0,M,46.0,M,,", clock, lat.c_str(), lon.c_str());
    lines.push_back(SimSentence::complete(body));

    SimSentence::SPositionReport own;
    own.messageId = 18;
    own.mmsi = s.mmsi;
    own.latitude = s.latitude;
    own.longitude = s.longitude;
    own.sog = s.sog;
    own.cog = s.cog;
    lines.push_back(SimSentence::encapsulate("VDO", s.vdoChannel, own));
    for (const SSimTarget& target : s.targets) {
        SimSentence::SPositionReport report;
        report.messageId = target.messageId;
        report.mmsi = target.mmsi;
        report.latitude = target.latitude;
        report.longitude = target.longitude;
        report.sog = target.sog;
        report.cog = target.cog;
        lines.push_back(SimSentence::encapsulate("VDM", target.channel, report));
        if (target.name.empty() && target.callSign.empty())
            continue;
        SimSentence::SStaticReport data;
        data.messageId = target.messageId == 18 ? 24 : 5;
        data.mmsi = target.mmsi;
        data.name = target.name;
        data.callSign = target.callSign;
        data.shipType = target.shipType;
        m_staticSequence = m_staticSequence % 9 + 1;
        for (std::string& line : SimSentence::encapsulateStatic(target.channel, data, m_staticSequence))
            lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> CSimTransponder::tick(long long nowMs)
{
    if (!m_passThroughOn || m_passThrough == nullptr)
        return {};
    return m_passThrough->onTick(nowMs);
}
