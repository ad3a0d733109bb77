#include "SimSentence.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace SimSentence {

namespace {

unsigned checksumOf(const std::string& text, size_t from, size_t to)
{
    unsigned sum = 0;
    for (size_t i = from; i < to; ++i)
        sum ^= static_cast<unsigned char>(text[i]);
    return sum;
}

// Bits appended most significant first; negative values in two's complement.
class CBitWriter
{
public:
    void put(long long value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i)
            m_bits.push_back(static_cast<int>((static_cast<unsigned long long>(value) >> i) & 1u));
    }

    std::string armoured(int* fillBits) const
    {
        const int fill = static_cast<int>((6 - m_bits.size() % 6) % 6);
        std::string payload;
        for (size_t i = 0; i < m_bits.size(); i += 6) {
            int v = 0;
            for (size_t k = 0; k < 6; ++k)
                v = (v << 1) | (i + k < m_bits.size() ? m_bits[i + k] : 0);
            payload += static_cast<char>(v < 40 ? v + 48 : v + 56);
        }
        if (fillBits != nullptr)
            *fillBits = fill;
        return payload;
    }

private:
    std::vector<int> m_bits;
};

// Six-bit text, '@' padded to the field's characters.
void putText(CBitWriter& bits, const std::string& text, size_t characters)
{
    for (size_t i = 0; i < characters; ++i) {
        const unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : '@';
        bits.put(c >= 64 ? c - 64 : c, 6);
    }
}

long long minutes10000(double degrees)
{
    return std::llround(degrees * 600000.0);
}

} // namespace

std::string complete(const std::string& body)
{
    char tail[8];
    std::snprintf(tail, sizeof(tail), "*%02X\r\n", checksumOf(body, 1, body.size()));
    return body + tail;
}

bool checksumValid(const std::string& line)
{
    const size_t star = line.rfind('*');
    if (line.size() < 4 || star == std::string::npos || star + 3 > line.size())
        return false;
    const std::string digits = line.substr(star + 1, 2);
    char* end = nullptr;
    const unsigned long given = std::strtoul(digits.c_str(), &end, 16);
    return end != nullptr && *end == '\0' && given == checksumOf(line, 1, star);
}

std::vector<std::string> fields(const std::string& line)
{
    size_t end = line.find('*');
    if (end == std::string::npos)
        end = line.find_first_of("\r\n");
    const std::string body = line.substr(0, end);
    std::vector<std::string> result;
    size_t from = 0;
    for (;;) {
        const size_t comma = body.find(',', from);
        result.push_back(body.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (comma == std::string::npos)
            return result;
        from = comma + 1;
    }
}

std::string unescape(const std::string& text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 2 < text.size()) {
            result += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string armour(const SPositionReport& report, int* fillBits)
{
    const long long sog = std::llround(report.sog * 10.0);
    const long long cog = std::llround(report.cog * 10.0);
    CBitWriter bits;
    bits.put(report.messageId, 6);
    bits.put(0, 2); // repeat
    bits.put(report.mmsi, 30);
    if (report.messageId == 1) {
        bits.put(0, 4);    // under way using engine
        bits.put(-128, 8); // no rate of turn
    } else {
        bits.put(0, 8);
    }
    bits.put(sog, 10);
    bits.put(1, 1); // accuracy
    bits.put(minutes10000(report.longitude), 28);
    bits.put(minutes10000(report.latitude), 27);
    bits.put(cog, 12);
    bits.put(511, 9); // no heading
    bits.put(60, 6);  // no time stamp
    if (report.messageId == 1) {
        bits.put(0, 2 + 3 + 1);
        bits.put(0, 19);
    } else {
        bits.put(0, 2);
        bits.put(1, 1); // carrier-sense unit
        bits.put(0, 5 + 1);
        bits.put(0, 20);
    }
    return bits.armoured(fillBits);
}

std::vector<std::string> encapsulateStatic(char channel, const SStaticReport& report, int sequenceId)
{
    std::vector<std::string> lines;
    char body[160];
    int fill = 0;
    if (report.messageId == 5) {
        CBitWriter bits;
        bits.put(5, 6);
        bits.put(0, 2);
        bits.put(report.mmsi, 30);
        bits.put(0, 2);  // AIS version
        bits.put(0, 30); // IMO
        putText(bits, report.callSign, 7);
        putText(bits, report.name, 20);
        bits.put(report.shipType, 8);
        bits.put(0, 30); // dimensions
        bits.put(1, 4);  // GPS
        bits.put(0, 20); // no ETA
        bits.put(0, 8);  // draught
        putText(bits, std::string(), 20);
        bits.put(0, 2); // DTE, spare
        const std::string payload = bits.armoured(&fill);
        const size_t half = payload.size() / 2;
        std::snprintf(body, sizeof(body), "!AIVDM,2,1,%d,%c,%s,0", sequenceId, channel, payload.substr(0, half).c_str());
        lines.push_back(complete(body));
        std::snprintf(body, sizeof(body), "!AIVDM,2,2,%d,%c,%s,%d", sequenceId, channel, payload.substr(half).c_str(),
                      fill);
        lines.push_back(complete(body));
        return lines;
    }
    CBitWriter partA;
    partA.put(24, 6);
    partA.put(0, 2);
    partA.put(report.mmsi, 30);
    partA.put(0, 2);
    putText(partA, report.name, 20);
    std::string payload = partA.armoured(&fill);
    std::snprintf(body, sizeof(body), "!AIVDM,1,1,,%c,%s,%d", channel, payload.c_str(), fill);
    lines.push_back(complete(body));
    CBitWriter partB;
    partB.put(24, 6);
    partB.put(0, 2);
    partB.put(report.mmsi, 30);
    partB.put(1, 2);
    partB.put(report.shipType, 8);
    putText(partB, "SIM", 3);
    partB.put(0, 24); // model and serial
    putText(partB, report.callSign, 7);
    partB.put(0, 30); // dimensions
    partB.put(0, 6);
    payload = partB.armoured(&fill);
    std::snprintf(body, sizeof(body), "!AIVDM,1,1,,%c,%s,%d", channel, payload.c_str(), fill);
    lines.push_back(complete(body));
    return lines;
}

std::string encapsulate(const char* formatter, char channel, const SPositionReport& report)
{
    int fill = 0;
    const std::string payload = armour(report, &fill);
    char body[128];
    std::snprintf(body, sizeof(body), "!AI%s,1,1,,%c,%s,%d", formatter, channel, payload.c_str(), fill);
    return complete(body);
}

} // namespace SimSentence
