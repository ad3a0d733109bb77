#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sentence helpers of the simulated transponder, written apart from the program's sentence
// library so that a fault there cannot hide itself in the simulator.
namespace SimSentence {

// The body ("$AIVER,...") completed with '*', two upper-case hexadecimal digits and CR LF.
std::string complete(const std::string& body);
// Whether a received line carries a correct checksum.
bool checksumValid(const std::string& line);
// The fields of a received line: the start character's word first, the checksum and the line
// end cut off.
std::vector<std::string> fields(const std::string& line);
// Undoes the caret escapes ("^2C" is a comma).
std::string unescape(const std::string& text);

struct SPositionReport
{
    int messageId = 18; // 1 (Class A) or 18 (Class B)
    uint32_t mmsi = 0;
    double latitude = 91.0;
    double longitude = 181.0;
    double sog = 0.0;
    double cog = 360.0;
};

// The armoured six-bit payload of a position report and its fill bits.
std::string armour(const SPositionReport& report, int* fillBits);
// "!AIVDO" or "!AIVDM" (formatter "VDO"/"VDM") carrying the report on the channel, completed.
std::string encapsulate(const char* formatter, char channel, const SPositionReport& report);

// The static data of a station: message 5 (class A) or 24 (class B, parts A and B).
struct SStaticReport
{
    int messageId = 5;
    uint32_t mmsi = 0;
    std::string name;
    std::string callSign;
    int shipType = 0;
};

// "!AIVDM" sentences carrying the static report on the channel, completed: two parts of one
// message 5, or the two messages 24.
std::vector<std::string> encapsulateStatic(char channel, const SStaticReport& report, int sequenceId);

} // namespace SimSentence
