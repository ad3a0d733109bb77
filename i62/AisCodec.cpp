#include "i62/AisCodec.h"

#include <cmath>
#include <cstring>

namespace {

// Cursors of one walk. Reads past the payload's bit count give zero bits; the record and
// the payload are never touched outside their sizes.
struct SWalk
{
    uint8_t* payload;
    const uint8_t* source;
    bool padded; // source is followed by a zero word and has no bits past the count
    int bits;
    int capacityBits;
    int bit;
    uint8_t* record;
    const uint8_t* recordIn;
    int recordSize;
    int rec;
    int binaryBytes;
    int binaryBits; // exact length of binary data; packing falls back to binaryBytes whole bytes when 0
};

using FieldFn = bool (*)(SWalk&, const AIS_FIELD_DESCRIPTOR&);

struct SKindCodec
{
    FieldFn unpack;
    FieldFn pack;
};

uint32_t widthMask(int width)
{
    return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u;
}

// width (1 to 32) bits from firstBit on, gathered big-endian from the bytes they touch.
inline uint32_t pickBits(const uint8_t* payload, int firstBit, int width)
{
    const int firstByte = firstBit / 8;
    const int lastByte = (firstBit + width - 1) / 8;
    uint64_t word = 0;
    for (int i = firstByte; i <= lastByte; ++i)
        word = word << 8 | payload[i];
    word <<= 64 - 8 * (lastByte - firstByte + 1);
    word <<= firstBit % 8;
    return static_cast<uint32_t>(word >> (64 - width));
}

constexpr int kWordBytes = 8;
// The longest payload a message has, with a word of zeros behind it.
constexpr int kPaddedBytes = AIS_RAW_PAYLOAD_SIZE + kWordBytes;

// Eight bytes from at on as one big-endian word, in one load.
inline uint64_t loadBigEndian64(const uint8_t* at)
{
    uint64_t word;
    std::memcpy(&word, at, sizeof(word));
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    word = __builtin_bswap64(word);
#endif
    return word;
}

// Bits of the payload from first on; those at or past the end read as zero.
uint32_t readBitsAnywhere(const SWalk& w, int first, int width)
{
    if (width <= 0 || first >= w.bits || first < 0)
        return 0;
    if (width > 32)
        width = 32;
    // Eight whole bytes hold the field (at most 32 bits after at most 7 skipped): one word, no
    // loop, where the payload is padded or the field lies away from its end.
    const unsigned byte = static_cast<unsigned>(first) / 8;
    if (w.padded || byte + 8 <= (static_cast<unsigned>(w.bits) + 7) / 8)
        return static_cast<uint32_t>(loadBigEndian64(w.source + byte) << (static_cast<unsigned>(first) % 8) >>
                                     (64 - width));
    const int available = w.bits - first < width ? w.bits - first : width;
    const uint32_t value = pickBits(w.source, first, available);
    return available == width ? value : value << (width - available);
}

// The same, with the usual case, a field of a padded payload, small enough to go inline.
inline uint32_t readBits(const SWalk& w, int first, int width)
{
    if (w.padded && first >= 0 && first < w.bits && width > 0 && width <= 32) {
        const unsigned at = static_cast<unsigned>(first);
        return static_cast<uint32_t>(loadBigEndian64(w.source + at / 8) << (at % 8) >> (64 - width));
    }
    return readBitsAnywhere(w, first, width);
}

int32_t signExtend(uint32_t raw, int width)
{
    if (width <= 0 || width >= 32)
        return static_cast<int32_t>(raw);
    const uint32_t sign = 1u << (width - 1);
    raw &= widthMask(width);
    return static_cast<int32_t>((raw ^ sign) - sign);
}

// 1 / scale, snapped to the whole number the table meant (0.1f stands for exactly 1/10).
double scaleDivisor(float scale)
{
    // The tables' usual scales, as the rounding below gives them, without computing it for
    // every field of every message.
    if (scale == 0.0f || scale == 1.0f)
        return 1.0;
    if (scale == 0.1f)
        return 10.0;
    if (scale == 0.0001f)
        return 10000.0;
    const double inverse = 1.0 / static_cast<double>(scale);
    const double whole = std::nearbyint(inverse);
    return whole >= 1.0 && std::fabs(inverse - whole) < 1e-4 * whole ? whole : inverse;
}

// Bytes a rest-of-payload field may fill: its reservation, never past the record's end.
int restRoom(const SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int left = w.recordSize - w.rec;
    if (f.scale > 1.0f) {
        const int reserved = static_cast<int>(f.scale);
        return reserved < left ? reserved : left;
    }
    return left;
}

int restAdvance(const SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    return f.scale > 1.0f ? static_cast<int>(f.scale) : w.recordSize - w.rec;
}

bool fits(const SWalk& w, int bytes)
{
    return bytes >= 0 && w.rec + bytes <= w.recordSize;
}

template <typename T> bool storeValue(SWalk& w, T value, int bitsUsed)
{
    if (!fits(w, sizeof(T)))
        return false;
    std::memcpy(w.record + w.rec, &value, sizeof(T));
    w.rec += sizeof(T);
    w.bit += bitsUsed;
    return true;
}

template <typename T> bool loadValue(SWalk& w, T* value)
{
    if (!fits(w, sizeof(T)))
        return false;
    std::memcpy(value, w.recordIn + w.rec, sizeof(T));
    w.rec += sizeof(T);
    return true;
}

bool putBits(SWalk& w, int width, uint32_t value)
{
    if (width < 0 || w.bit + width > w.capacityBits)
        return false;
    if (width > 0)
        AisMsgCodec_FieldPut(w.payload, static_cast<short>(w.bit), static_cast<short>(width), value & widthMask(width));
    w.bit += width;
    return true;
}

// Value / scale to the nearest raw step, kept within what the width can carry.
// A value that is not a finite number travels as the field's not-available value: all ones.
uint32_t unsignedRaw(double value, float scale, int width)
{
    if (!std::isfinite(value))
        return widthMask(width);
    const double raw = std::nearbyint(value * scaleDivisor(scale));
    const double top = static_cast<double>(widthMask(width));
    return static_cast<uint32_t>(raw < 0.0 ? 0.0 : raw > top ? top : raw);
}

// A value that is not a finite number travels as the most negative raw value (rate of turn's
// not-available -128, for one).
uint32_t signedRaw(double rawValue, int width)
{
    const double limit = std::ldexp(1.0, width - 1);
    double raw = std::isfinite(rawValue) ? std::nearbyint(rawValue) : -limit;
    if (raw > limit - 1.0)
        raw = limit - 1.0;
    if (raw < -limit)
        raw = -limit;
    return static_cast<uint32_t>(static_cast<int64_t>(raw)) & widthMask(width);
}

char sixBitToChar(uint32_t value)
{
    return static_cast<char>(value < 32 ? value + 64 : value);
}

uint32_t charToSixBit(char c)
{
    const uint8_t byte = static_cast<uint8_t>(c);
    return (byte >= 64 ? byte - 64u : byte) & 0x3Fu;
}

// ---- unpacking, one routine per storage kind ----

bool unU8(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    return storeValue(w, static_cast<uint8_t>(readBits(w, w.bit, f.width)), f.width);
}

bool unU16(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    return storeValue(w, static_cast<uint16_t>(readBits(w, w.bit, f.width)), f.width);
}

bool unU32(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    return storeValue(w, readBits(w, w.bit, f.width), f.width);
}

bool unSigned(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int32_t raw = signExtend(readBits(w, w.bit, f.width), f.width);
    return storeValue(w, static_cast<float>(raw / scaleDivisor(f.scale)), f.width);
}

bool unUnsigned(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const uint32_t raw = readBits(w, w.bit, f.width);
    return storeValue(w, static_cast<float>(raw / scaleDivisor(f.scale)), f.width);
}

bool unPosition(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int32_t raw = signExtend(readBits(w, w.bit, f.width), f.width);
    return storeValue(w, static_cast<float>(raw / (60.0 * scaleDivisor(f.scale))), f.width);
}

bool unRot(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const uint32_t raw = readBits(w, w.bit, f.width) & 0xFFu;
    float rot;
    if (raw == 127) {
        rot = AIS_ROT_RIGHT_FAST;
    } else if (raw == 128) {
        rot = AIS_ROT_NA;
    } else if (raw == 129) {
        rot = AIS_ROT_LEFT_FAST;
    } else {
        const int s = signExtend(raw, 8);
        const double magnitude = (s / 4.733) * (s / 4.733);
        rot = static_cast<float>(s < 0 ? -magnitude : magnitude);
    }
    return storeValue(w, rot, f.width);
}

bool unHeading(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const uint32_t raw = readBits(w, w.bit, f.width);
    return storeValue(w, static_cast<uint16_t>(raw < 360 ? raw : AIS_HEADING_NA), f.width);
}

bool unNothing(SWalk&, const AIS_FIELD_DESCRIPTOR&)
{
    return true;
}

bool unText(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int chars = f.width / 6;
    if (!fits(w, chars + 1))
        return false;
    // Characters the payload does not reach stay zero.
    for (int i = 0; i < chars && w.bit + 6 * (i + 1) <= w.bits; ++i)
        w.record[w.rec + i] = static_cast<uint8_t>(sixBitToChar(readBits(w, w.bit + 6 * i, 6)));
    w.record[w.rec + chars] = '\0';
    w.rec += chars + 1;
    w.bit += f.width;
    return true;
}

bool unTextRest(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int room = restRoom(w, f);
    if (room < 1)
        return false;
    int chars = (w.bits - w.bit) / 6;
    if (chars > room - 1)
        chars = room - 1;
    for (int i = 0; i < chars; ++i)
        w.record[w.rec + i] = static_cast<uint8_t>(sixBitToChar(readBits(w, w.bit + 6 * i, 6)));
    w.record[w.rec + chars] = '\0';
    w.rec += restAdvance(w, f);
    w.bit = w.bits;
    return true;
}

// Binary data runs to the end of the payload, less the width of the fields that follow it
// (message 26 ends in its radio status).
bool unBinary(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int room = restRoom(w, f);
    int remaining = w.bits - w.bit - (f.width > 0 ? f.width : 0);
    if (remaining < 0)
        remaining = 0;
    if (remaining > 8 * room)
        remaining = 8 * room;
    const int bytes = (remaining + 7) / 8;
    for (int i = 0; i < bytes; ++i) {
        const int width = remaining - 8 * i < 8 ? remaining - 8 * i : 8;
        w.record[w.rec + i] = static_cast<uint8_t>(readBits(w, w.bit + 8 * i, width) << (8 - width));
    }
    w.binaryBytes = remaining / 8;
    w.binaryBits = remaining;
    w.rec += restAdvance(w, f);
    w.bit = f.width > 0 ? w.bit + remaining : w.bits;
    return true;
}

bool unSkip(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    if (!fits(w, f.width / 8))
        return false;
    w.rec += f.width / 8;
    w.bit += f.width;
    return true;
}

bool unAlign(SWalk& w, const AIS_FIELD_DESCRIPTOR&)
{
    if (!fits(w, 1))
        return false;
    w.bit = (w.bit + 7) / 8 * 8;
    w.rec += 1;
    return true;
}

constexpr int kPosEntryBits = 55;

bool unPosList(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int count = w.rec > 0 ? w.record[w.rec - 1] : 0;
    if (!fits(w, count * 8))
        return false;
    const double divisor = 60.0 * scaleDivisor(f.scale);
    for (int i = 0; i < count; ++i) {
        const int at = w.bit + i * kPosEntryBits;
        const float lon = static_cast<float>(signExtend(readBits(w, at, 28), 28) / divisor);
        const float lat = static_cast<float>(signExtend(readBits(w, at + 28, 27), 27) / divisor);
        std::memcpy(w.record + w.rec + 8 * i, &lon, 4);
        std::memcpy(w.record + w.rec + 8 * i + 4, &lat, 4);
    }
    w.rec += count * 8;
    w.bit += count * kPosEntryBits;
    return true;
}

constexpr int kPairValues = 8;

bool unPairs(SWalk& w, const AIS_FIELD_DESCRIPTOR&)
{
    if (!fits(w, kPairValues * 4))
        return false;
    for (int i = 0; i < kPairValues; ++i) {
        const uint32_t value = readBits(w, w.bit + 10 * i, 10);
        std::memcpy(w.record + w.rec + 4 * i, &value, 4);
    }
    w.rec += kPairValues * 4;
    w.bit += kPairValues * 10;
    return true;
}

// ---- packing ----

bool paU8(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    uint8_t v;
    return loadValue(w, &v) && putBits(w, f.width, v);
}

bool paU16(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    uint16_t v;
    return loadValue(w, &v) && putBits(w, f.width, v);
}

bool paU32(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    uint32_t v;
    return loadValue(w, &v) && putBits(w, f.width, v);
}

bool paSigned(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    float v;
    return loadValue(w, &v) && putBits(w, f.width, signedRaw(v * scaleDivisor(f.scale), f.width));
}

bool paUnsigned(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    float v;
    return loadValue(w, &v) && putBits(w, f.width, unsignedRaw(v, f.scale, f.width));
}

bool paCog(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    float v;
    if (!loadValue(w, &v))
        return false;
    const bool available = std::isfinite(v) && v <= 359.999999f;
    return putBits(w, f.width, unsignedRaw(available ? v : 360.0, f.scale, f.width));
}

bool paPosition(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    float v;
    if (!loadValue(w, &v))
        return false;
    double degrees = v;
    // Anything off the globe, or not a number, travels as the not-available position.
    if (f.kind == AIS_FIELD_LON && !(std::isfinite(v) && v <= 180.5f))
        degrees = 181.0;
    if (f.kind == AIS_FIELD_LAT && !(std::isfinite(v) && v <= 90.5f))
        degrees = 91.0;
    return putBits(w, f.width, signedRaw(degrees * 60.0 * scaleDivisor(f.scale), f.width));
}

bool paRot(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    float v;
    if (!loadValue(w, &v))
        return false;
    int raw;
    if (!std::isfinite(v) || v >= AIS_ROT_NA) {
        raw = -128;
    } else if (v >= AIS_ROT_RIGHT_FAST) {
        raw = 127;
    } else if (v <= AIS_ROT_LEFT_FAST) {
        raw = -127;
    } else {
        // The sign of the rate travels in the sign of the raw value.
        raw = static_cast<int>(std::nearbyint(std::sqrt(std::fabs(v)) * 4.733));
        if (raw > 126)
            raw = 126;
        if (v < 0)
            raw = -raw;
    }
    return putBits(w, f.width, static_cast<uint32_t>(raw) & 0xFFu);
}

bool paHeading(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    uint16_t v;
    return loadValue(w, &v) && putBits(w, f.width, v < 360 ? v : AIS_HEADING_NA);
}

bool paCapped(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    float v;
    if (!loadValue(w, &v))
        return false;
    const float cap = f.kind == AIS_FIELD_PACK_4095 ? 40.95f : 1.023f;
    return putBits(w, f.width, v >= cap ? widthMask(f.width) : unsignedRaw(v, f.scale, f.width));
}

bool paZero(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    return putBits(w, f.width, 0);
}

bool paText(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int chars = f.width / 6;
    if (!fits(w, chars + 1) || w.bit + f.width > w.capacityBits)
        return false;
    const char* text = reinterpret_cast<const char*>(w.recordIn + w.rec);
    bool ended = false;
    for (int i = 0; i < chars; ++i) {
        ended = ended || text[i] == '\0';
        putBits(w, 6, ended ? 0 : charToSixBit(text[i]));
    }
    w.bit += f.width - chars * 6;
    w.rec += chars + 1;
    return true;
}

bool paTextRest(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int room = restRoom(w, f);
    const char* text = reinterpret_cast<const char*>(w.recordIn + w.rec);
    for (int i = 0; i < room && text[i] != '\0'; ++i) {
        if (!putBits(w, 6, charToSixBit(text[i])))
            return false;
    }
    w.rec += restAdvance(w, f);
    return true;
}

bool paBinary(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int room = restRoom(w, f);
    int bits = w.binaryBits > 0 ? w.binaryBits : 8 * w.binaryBytes;
    if (bits > 8 * room)
        bits = 8 * room;
    for (int i = 0; 8 * i < bits; ++i) {
        const int width = bits - 8 * i < 8 ? bits - 8 * i : 8;
        if (!putBits(w, width, static_cast<uint32_t>(w.recordIn[w.rec + i] >> (8 - width))))
            return false;
    }
    w.rec += restAdvance(w, f);
    return true;
}

bool paSkip(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    if (!fits(w, f.width / 8))
        return false;
    w.rec += f.width / 8;
    return putBits(w, f.width, 0);
}

bool paAlign(SWalk& w, const AIS_FIELD_DESCRIPTOR&)
{
    if (!fits(w, 1))
        return false;
    w.rec += 1;
    return putBits(w, (8 - w.bit % 8) % 8, 0);
}

bool paPosList(SWalk& w, const AIS_FIELD_DESCRIPTOR& f)
{
    const int count = w.rec > 0 ? w.recordIn[w.rec - 1] : 0;
    if (!fits(w, count * 8))
        return false;
    const double factor = 60.0 * scaleDivisor(f.scale);
    for (int i = 0; i < count; ++i) {
        float lon;
        float lat;
        std::memcpy(&lon, w.recordIn + w.rec + 8 * i, 4);
        std::memcpy(&lat, w.recordIn + w.rec + 8 * i + 4, 4);
        if (!putBits(w, 28, signedRaw(lon * factor, 28)) || !putBits(w, 27, signedRaw(lat * factor, 27)))
            return false;
    }
    w.rec += count * 8;
    return true;
}

bool paPairs(SWalk& w, const AIS_FIELD_DESCRIPTOR&)
{
    for (int i = 0; i < kPairValues; ++i) {
        uint32_t v;
        if (!loadValue(w, &v) || !putBits(w, 10, v))
            return false;
    }
    return true;
}

// Storage and conversion of each field kind, indexed by kind.
constexpr SKindCodec kKindCodecs[AIS_FIELD_KIND_COUNT] = {
    {unU8, paU8},             // 0 u8
    {unU16, paU16},           // 1 u16
    {unU16, paU16},           // 2 u16
    {unU32, paU32},           // 3 communication state with selector
    {unU32, paU32},           // 4 MMSI
    {unSigned, paSigned},     // 5 signed value times scale
    {unUnsigned, paUnsigned}, // 6 speed, draught
    {unText, paText},         // 7 six-bit text of fixed width
    {unTextRest, paTextRest}, // 8 six-bit text to the end
    {unTextRest, paTextRest}, // 9 six-bit text to the end
    {unBinary, paBinary},     // 10 binary data to the end
    {unSkip, paSkip},         // 11 skipped bytes
    {unAlign, paAlign},       // 12 byte boundary
    {unRot, paRot},           // 13 rate of turn
    {unNothing, paZero},      // 14 zeros when packing
    {unPosition, paPosition}, // 15 longitude
    {unPosition, paPosition}, // 16 latitude
    {unUnsigned, paCog},      // 17 course over ground
    {unHeading, paHeading},   // 18 true heading
    {unU8, paU8},             // 19 time stamp
    {unU32, paU32},           // 20 communication state
    {unU32, paU32},           // 21 dimensions
    {unU32, paU32},           // 22 ETA
    {unNothing, paCapped},    // 23 capped at 4095 when packing
    {unNothing, paCapped},    // 24 capped at 1023 when packing
    {unPosList, paPosList},   // 25 list of positions
    {unPairs, paPairs},       // 26 four pairs of 10-bit values
    {unPosition, paPosition}, // 27 application longitude
    {unPosition, paPosition}, // 28 application latitude
};

const SKindCodec* codecOf(int kind)
{
    return kind >= 0 && kind < AIS_FIELD_KIND_COUNT ? &kKindCodecs[kind] : nullptr;
}

// The kinds of the position reports, which are most of what is received, are unpacked here where
// their routines can be inlined; any other kind through the table, which the cases follow.
bool unpackField(SWalk& w, const AIS_FIELD_DESCRIPTOR& field)
{
    switch (field.kind) {
    case AIS_FIELD_U8:
    case AIS_FIELD_TIME_STAMP:
        return unU8(w, field);
    case AIS_FIELD_COMM_SELECTOR:
    case AIS_FIELD_MMSI:
    case AIS_FIELD_COMM_STATE:
        return unU32(w, field);
    case AIS_FIELD_UNSIGNED:
    case AIS_FIELD_COG:
        return unUnsigned(w, field);
    case AIS_FIELD_LON:
    case AIS_FIELD_LAT:
        return unPosition(w, field);
    case AIS_FIELD_ROT:
        return unRot(w, field);
    case AIS_FIELD_HEADING:
        return unHeading(w, field);
    default: {
        const SKindCodec* codec = codecOf(field.kind);
        return codec != nullptr && codec->unpack(w, field);
    }
    }
}
static_assert(kKindCodecs[AIS_FIELD_U8].unpack == unU8 && kKindCodecs[AIS_FIELD_TIME_STAMP].unpack == unU8 &&
                  kKindCodecs[AIS_FIELD_COMM_SELECTOR].unpack == unU32 && kKindCodecs[AIS_FIELD_MMSI].unpack == unU32 &&
                  kKindCodecs[AIS_FIELD_COMM_STATE].unpack == unU32 &&
                  kKindCodecs[AIS_FIELD_UNSIGNED].unpack == unUnsigned &&
                  kKindCodecs[AIS_FIELD_COG].unpack == unUnsigned && kKindCodecs[AIS_FIELD_LON].unpack == unPosition &&
                  kKindCodecs[AIS_FIELD_LAT].unpack == unPosition && kKindCodecs[AIS_FIELD_ROT].unpack == unRot &&
                  kKindCodecs[AIS_FIELD_HEADING].unpack == unHeading,
              "the inlined kinds unpack as the table says");

} // namespace

int AisMsgCodec_Unpack(const uint8_t* payload, short bits, uint8_t* record, const AIS_message_formatter* format,
                       int* binaryBytes, int recordSize, int* binaryBits)
{
    if (payload == nullptr || record == nullptr || format == nullptr || format->fields == nullptr || bits < 2)
        return AIS_CODEC_FAILED;
    // A payload of a message's size is read from a copy with a zero word behind it and its
    // bits past the count cleared, so that every field is read in one word.
    uint8_t padded[kPaddedBytes];
    const int bytes = (bits + 7) / 8;
    const bool pad = bytes + kWordBytes <= kPaddedBytes;
    if (pad) {
        std::memcpy(padded, payload, static_cast<std::size_t>(bytes));
        std::memset(padded + bytes, 0, kWordBytes);
        if (bits % 8 != 0)
            padded[bytes - 1] = static_cast<uint8_t>(padded[bytes - 1] & (0xFFu << (8 - bits % 8)));
    }
    SWalk w{nullptr, pad ? padded : payload, pad, bits, 0, 0, record, record, recordSize, 0, 0, 0};
    for (uint64_t i = 0; i < format->count && w.bit < w.bits; ++i) {
        const AIS_FIELD_DESCRIPTOR& field = format->fields[i];
        if (!unpackField(w, field))
            return AIS_CODEC_FAILED;
        if (field.kind == AIS_FIELD_BINARY) {
            if (binaryBytes != nullptr)
                *binaryBytes = w.binaryBytes;
            if (binaryBits != nullptr)
                *binaryBits = w.binaryBits;
        }
    }
    return AIS_CODEC_DONE;
}

int AisMsgCodec_Pack(uint8_t* payload, uint16_t* bits, const uint8_t* record, const AIS_message_formatter* format,
                     int binaryBytes, int recordSize, int payloadSize, int binaryBits)
{
    if (payload == nullptr || bits == nullptr || record == nullptr || format == nullptr || format->fields == nullptr)
        return AIS_CODEC_FAILED;
    SWalk w{payload, payload, false, 0, payloadSize * 8, 0, nullptr, record, recordSize, 0, binaryBytes, binaryBits};
    for (uint64_t i = 0; i < format->count; ++i) {
        const AIS_FIELD_DESCRIPTOR& field = format->fields[i];
        const SKindCodec* codec = codecOf(field.kind);
        if (codec == nullptr || !codec->pack(w, field))
            return AIS_CODEC_FAILED;
    }
    *bits = static_cast<uint16_t>(w.bit);
    return AIS_CODEC_DONE;
}

uint32_t AisMsgCodec_FieldPick(const uint8_t* payload, short firstBit, short width)
{
    if (payload == nullptr || width <= 0 || firstBit < 0)
        return 0;
    return pickBits(payload, firstBit, width > 32 ? 32 : width);
}

void AisMsgCodec_FieldPut(uint8_t* payload, short firstBit, short width, uint32_t value)
{
    if (payload == nullptr || width <= 0 || firstBit < 0)
        return;
    if (width > 32)
        width = 32;
    const int firstByte = firstBit / 8;
    const int lastByte = (firstBit + width - 1) / 8;
    const uint64_t word = static_cast<uint64_t>(value & widthMask(width)) << (64 - width - firstBit % 8);
    for (int i = firstByte; i <= lastByte; ++i)
        payload[i] |= static_cast<uint8_t>(word >> (56 - 8 * (i - firstByte)));
}

void AisMsgInsertPut(uint8_t* payload, uint16_t firstBit, uint16_t width, uint32_t value)
{
    if (payload == nullptr || width == 0)
        return;
    const uint32_t ones = widthMask(width);
    // Clear the target bits by OR-ing ones and XOR-ing them back out.
    AisMsgCodec_FieldPut(payload, static_cast<short>(firstBit), static_cast<short>(width), ones);
    const int firstByte = firstBit / 8;
    const int lastByte = (firstBit + width - 1) / 8;
    const uint64_t word = static_cast<uint64_t>(ones) << (64 - width - firstBit % 8);
    for (int i = firstByte; i <= lastByte; ++i)
        payload[i] &= static_cast<uint8_t>(~(word >> (56 - 8 * (i - firstByte))));
    AisMsgCodec_FieldPut(payload, static_cast<short>(firstBit), static_cast<short>(width), value);
}

int AisMsgCodec_CheckMsgId(int id)
{
    return id == 0 || id > 27 ? 1 : 0;
}

bool AisMessageIDCheck(int id)
{
    return id >= 1 && id <= 26;
}

uint8_t AisMsgCodec_GetMsgId(const uint8_t* payload)
{
    return payload == nullptr ? 0 : static_cast<uint8_t>(payload[0] >> 2);
}

uint16_t AisMsgCodec_GetAppIdentifier(const uint8_t* data)
{
    return data == nullptr ? 0 : static_cast<uint16_t>(data[0] << 8 | data[1]);
}

uint16_t AisMsgCodec_GetDAC(uint16_t appIdentifier)
{
    return static_cast<uint16_t>(appIdentifier >> 6);
}

uint16_t AisMsgCodec_GetFI(uint16_t appIdentifier)
{
    return static_cast<uint16_t>(appIdentifier & 63);
}

// A position field is 1 to 32 bits wide; the two's complement is taken in 64 bits.
uint32_t AisMsgCodec_PosPack(uint16_t degrees, char minutes, short fraction, char hemisphere, char width)
{
    if (width < 1 || width > 32)
        return 0;
    const uint32_t value =
        degrees * 600000u + static_cast<uint32_t>(minutes) * 10000u + static_cast<uint32_t>(fraction);
    if (hemisphere == 'S' || hemisphere == 'W')
        return static_cast<uint32_t>((uint64_t{1} << width) - value) & widthMask(width);
    return value;
}

int AisMsgCodec_PosUnpack(int raw, uint8_t* degrees, uint8_t* minutes, uint16_t* fraction, char width)
{
    const bool valid = width >= 1 && width <= 32;
    uint32_t magnitude = valid ? static_cast<uint32_t>(raw) & widthMask(width) : 0;
    int sign = 1;
    if (valid && (magnitude & (uint64_t{1} << (width - 1))) != 0) {
        magnitude = static_cast<uint32_t>((uint64_t{1} << width) - magnitude) & widthMask(width);
        sign = -1;
    }
    if (degrees != nullptr)
        *degrees = static_cast<uint8_t>(magnitude / 600000u);
    if (minutes != nullptr)
        *minutes = static_cast<uint8_t>(magnitude % 600000u / 10000u);
    if (fraction != nullptr)
        *fraction = static_cast<uint16_t>(magnitude % 10000u);
    return sign;
}

void AisMsgCodec_Init()
{}

void TrimAisString(char* text)
{
    if (text == nullptr)
        return;
    std::size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == '@')
        text[--length] = '\0';
}

void PackLongData(uint8_t* at, uint32_t value)
{
    std::memcpy(at, &value, sizeof(value));
}

void PackWordData(uint8_t* at, uint16_t value)
{
    std::memcpy(at, &value, sizeof(value));
}

void PackFloatData(uint8_t* at, float value)
{
    std::memcpy(at, &value, sizeof(value));
}

float UnpackFloatData(const uint8_t* at)
{
    float value;
    std::memcpy(&value, at, sizeof(value));
    return value;
}

uint32_t AisStoreFloatData(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

float AisRestoreFloatData(uint32_t raw, int width)
{
    return static_cast<float>(signExtend(raw, width));
}
