#include "i62/EncapSentence.h"

#include "i62/AisCodec.h"
#include "i62/I62Field.h"
#include "i62/I62Table.h"

#include <cstring>
#include <initializer_list>

Encapsulation_Sentence_Structure EncapSentenStore[ENCAP_KIND_COUNT][ENCAP_SLOT_COUNT];
uint8_t EncapSentenIndex[ENCAP_KIND_COUNT];
int EncapSentenCount = 0;
Encapsulation_Sentence_Structure* EncapSentenActive = nullptr;

namespace {

constexpr int kSentenceChars = 60;
static_assert(I62_ENCAP_PAYLOAD_SIZE == ENCAP_PAYLOAD_MAX + 1, "a sentence carries what a joined message holds");

struct SEncapKind
{
    const char* formatter;
    int firstCapacity; // characters of the first sentence
    int roomyMsgId;    // message id whose first sentence takes one character more
};

// Formatters in store order, with what their first sentence can carry.
const SEncapKind kKinds[ENCAP_KIND_COUNT] = {
    {"ABM", 47, 6},
    {"BBM", 57, 8},
    {"VDM", kSentenceChars, -1},
    {"VDO", kSentenceChars, -1},
};

int kindOf(const char* formatter)
{
    for (int kind = 0; kind < ENCAP_KIND_COUNT; ++kind) {
        if (I62_SameFormatter(formatter, kKinds[kind].formatter))
            return kind;
    }
    return -1;
}

bool isTransmitKind(int kind)
{
    return kind == ENCAP_KIND_ABM || kind == ENCAP_KIND_BBM;
}

void copyText(char* destination, std::size_t size, const char* source, std::size_t count)
{
    const std::size_t n = count < size - 1 ? count : size - 1;
    std::memcpy(destination, source, n);
    destination[n] = '\0';
}

int firstCapacity(const Encapsulation_Sentence_Structure& message)
{
    const int kind = kindOf(message.formatter);
    if (kind < 0)
        return kSentenceChars;
    return kKinds[kind].firstCapacity + (message.msgId == kKinds[kind].roomyMsgId ? 1 : 0);
}

bool continues(const Encapsulation_Sentence_Structure& slot, const Encapsulation_Sentence_Structure& fragment)
{
    return fragment.msgId == slot.msgId && fragment.total == slot.total && fragment.destMmsi == slot.destMmsi &&
           fragment.number == slot.number + 1;
}

// A slot holding the first sentences of a message that still awaits the rest.
bool isOpen(const Encapsulation_Sentence_Structure& slot)
{
    return slot.complete == 0 && slot.number > 0 && slot.number < slot.total;
}

bool isFree(const Encapsulation_Sentence_Structure& slot)
{
    return slot.complete == 0 && !isOpen(slot);
}

// Two messages may arrive interleaved: each open message is found by its sequential id and channel.
bool sameMessage(const Encapsulation_Sentence_Structure& slot, const Encapsulation_Sentence_Structure& fragment)
{
    return isOpen(slot) && slot.seqId == fragment.seqId && slot.channel == fragment.channel;
}

// The six-bit value of every byte (I62_SIXBIT_INVALID for a byte that is no armouring
// character), looked up once per payload character.
struct SSixBitTable
{
    uint8_t value[256]{};
    constexpr SSixBitTable()
    {
        for (int c = 0; c < 256; ++c)
            value[c] = I62_ConvAscii2Six(static_cast<uint8_t>(c));
    }
};
constexpr SSixBitTable kSixBitOf;

// When each slot was last started, to find the oldest open message when every slot is taken.
uint32_t g_slotStart[ENCAP_KIND_COUNT][ENCAP_SLOT_COUNT];
uint32_t g_startCount = 0;
// A received single-sentence message that found no free slot.
Encapsulation_Sentence_Structure g_passing;

int findOpen(int kind, const Encapsulation_Sentence_Structure& fragment)
{
    for (int i = 0; i < ENCAP_SLOT_COUNT; ++i) {
        if (sameMessage(EncapSentenStore[kind][i], fragment))
            return i;
    }
    return -1;
}

// A message of one sentence; receivers may number it like the parts of a longer one.
bool isSingle(const Encapsulation_Sentence_Structure& fragment)
{
    return fragment.total <= 1;
}

// A first sentence restarts its own message, else takes a free slot from the current index on,
// else the oldest open one; none when every slot holds a message not yet transmitted. A
// single-sentence message never takes an open message's slot: it takes a free one or none.
int slotForFirst(int kind, const Encapsulation_Sentence_Structure& fragment)
{
    const bool single = isSingle(fragment);
    const int open = single ? -1 : findOpen(kind, fragment);
    if (open >= 0)
        return open;
    for (int n = 0; n < ENCAP_SLOT_COUNT; ++n) {
        const int i = (EncapSentenIndex[kind] + n) % ENCAP_SLOT_COUNT;
        if (isFree(EncapSentenStore[kind][i]))
            return i;
    }
    if (single)
        return -1;
    int oldest = -1;
    for (int i = 0; i < ENCAP_SLOT_COUNT; ++i) {
        if (isOpen(EncapSentenStore[kind][i]) &&
            (oldest < 0 || g_startCount - g_slotStart[kind][i] > g_startCount - g_slotStart[kind][oldest]))
            oldest = i;
    }
    return oldest;
}

void completeSlot(int kind, int index)
{
    Encapsulation_Sentence_Structure& slot = EncapSentenStore[kind][index];
    EncapSentenIndex[kind] = static_cast<uint8_t>((index + 1) % ENCAP_SLOT_COUNT);
    slot.complete = 1;
    if (isTransmitKind(kind)) {
        slot.processed = 0;
        ++EncapSentenCount;
        if (EncapSentenActive != nullptr)
            EncapSentenActive = &slot;
    }
}

} // namespace

int I62_AppendEncapSentence(const I61162_Data_Structure* record, Encapsulation_Sentence_Structure* destination)
{
    if (record == nullptr || destination == nullptr)
        return ENCAP_REFUSED;
    const int kind = kindOf(record->formatter);
    if (kind < 0)
        return ENCAP_REFUSED;

    const I62_ENCAP_SENTENCE& sentence = record->fields.encap;
    Encapsulation_Sentence_Structure fragment;
    std::memset(&fragment, 0, sizeof(fragment));
    copyText(fragment.formatter, sizeof(fragment.formatter), kKinds[kind].formatter, 3);
    fragment.total = sentence.total;
    fragment.number = sentence.number;
    fragment.seqId = sentence.seqId;
    fragment.fillBits = sentence.fillBits;
    fragment.channel = sentence.channel;
    copyText(fragment.payload, sizeof(fragment.payload), sentence.payload,
             strnlen(sentence.payload, sizeof(sentence.payload)));
    if (isTransmitKind(kind))
        fragment.msgId = sentence.msgId;
    if (kind == ENCAP_KIND_ABM)
        fragment.destMmsi = sentence.destMmsi;

    Encapsulation_Sentence_Structure* slot = I62_EncapSenten_Update(&fragment);
    if (slot == nullptr)
        return ENCAP_REFUSED;
    if (slot->complete == 0)
        return ENCAP_PENDING;
    if (isTransmitKind(kind))
        return ENCAP_REFUSED; // stays in the store for the transmit side
    slot->complete = 0;
    *destination = *slot;
    return ENCAP_COMPLETE;
}

Encapsulation_Sentence_Structure* I62_EncapSenten_Update(const Encapsulation_Sentence_Structure* fragment)
{
    if (fragment == nullptr)
        return nullptr;
    const int kind = kindOf(fragment->formatter);
    if (kind < 0)
        return nullptr;

    int index;
    if (fragment->number == 1) {
        index = slotForFirst(kind, *fragment);
        if (index < 0 && isSingle(*fragment) && !isTransmitKind(kind)) {
            // Every slot awaits the rest of a message: a received message of one sentence is
            // handed on at once, past the store.
            g_passing = *fragment;
            g_passing.payload[ENCAP_PAYLOAD_MAX] = '\0';
            g_passing.complete = 1;
            return &g_passing;
        }
        if (index < 0)
            return nullptr;
        Encapsulation_Sentence_Structure& slot = EncapSentenStore[kind][index];
        slot = *fragment;
        slot.complete = 0;
        slot.payload[ENCAP_PAYLOAD_MAX] = '\0';
        g_slotStart[kind][index] = ++g_startCount;
    } else {
        index = findOpen(kind, *fragment);
        if (index < 0)
            return nullptr; // a continuation without its beginning
        Encapsulation_Sentence_Structure& slot = EncapSentenStore[kind][index];
        const std::size_t have = strnlen(slot.payload, sizeof(slot.payload));
        const std::size_t add = strnlen(fragment->payload, sizeof(fragment->payload));
        // A continuation that does not follow, or that would overrun the payload, spoils the message.
        if (!continues(slot, *fragment) || have + add > static_cast<std::size_t>(ENCAP_PAYLOAD_MAX)) {
            std::memset(&slot, 0, sizeof(slot));
            return nullptr;
        }
        std::memcpy(slot.payload + have, fragment->payload, add);
        slot.payload[have + add] = '\0';
        slot.number = fragment->number;
        slot.fillBits = fragment->fillBits; // the last sentence's fill bits count
    }
    Encapsulation_Sentence_Structure& slot = EncapSentenStore[kind][index];
    if (slot.number == slot.total)
        completeSlot(kind, index);
    return &slot;
}

void I62_EncapSenten_Init()
{
    std::memset(EncapSentenStore, 0, sizeof(EncapSentenStore));
    std::memset(EncapSentenIndex, 0, sizeof(EncapSentenIndex));
    EncapSentenCount = 0;
    EncapSentenActive = nullptr;
    std::memset(g_slotStart, 0, sizeof(g_slotStart));
    g_startCount = 0;
    std::memset(&g_passing, 0, sizeof(g_passing));
}

bool I62_EncapSenten_CheckProcess()
{
    if (EncapSentenActive != nullptr)
        return true;
    if (EncapSentenCount < 1) {
        EncapSentenCount = 0;
        return false;
    }
    for (int kind : {ENCAP_KIND_ABM, ENCAP_KIND_BBM}) {
        for (Encapsulation_Sentence_Structure& slot : EncapSentenStore[kind]) {
            if (slot.complete != 0) {
                EncapSentenActive = &slot;
                return true;
            }
        }
    }
    return false;
}

static_assert(6 * (ENCAP_PAYLOAD_MAX + 1) <= 8 * AIS_RAW_PAYLOAD_SIZE, "a whole payload text fits the raw message");

bool I62_EncapSentenceDecode(const Encapsulation_Sentence_Structure* message, AIS_raw_message* raw)
{
    if (message == nullptr || raw == nullptr)
        return false;
    std::memset(raw, 0, sizeof(*raw));
    const int length = static_cast<int>(strnlen(message->payload, sizeof(message->payload)));
    const int bits = 6 * length - message->fillBits;
    if (message->fillBits > 5 || bits < 0)
        return false;
    // Four characters make three bytes; a character that is no armouring character has a
    // value with one of the top two bits set.
    const char* text = message->payload;
    int i = 0;
    int byte = 0;
    for (; i + 4 <= length; i += 4) {
        uint32_t group = 0;
        uint8_t seen = 0;
        for (int k = 0; k < 4; ++k) {
            const uint8_t value = kSixBitOf.value[static_cast<uint8_t>(text[i + k])];
            seen |= value;
            group = group << 6 | value;
        }
        if ((seen & 0xC0) != 0)
            return false;
        raw->payload[byte] = static_cast<uint8_t>(group >> 16);
        raw->payload[byte + 1] = static_cast<uint8_t>(group >> 8);
        raw->payload[byte + 2] = static_cast<uint8_t>(group);
        byte += 3;
    }
    // The last characters six bits at a time into a running word; each full byte leaves it.
    uint32_t held = 0;
    int heldBits = 0;
    for (; i < length; ++i) {
        const uint8_t value = kSixBitOf.value[static_cast<uint8_t>(message->payload[i])];
        if (value == I62_SIXBIT_INVALID)
            return false;
        held = held << 6 | value;
        heldBits += 6;
        if (heldBits >= 8) {
            heldBits -= 8;
            raw->payload[byte++] = static_cast<uint8_t>(held >> heldBits);
            held &= (1u << heldBits) - 1u;
        }
    }
    if (heldBits > 0)
        raw->payload[byte] = static_cast<uint8_t>(held << (8 - heldBits));
    raw->bits = static_cast<uint16_t>(bits);
    return true;
}

bool I62_EncapSentenceEncode(Encapsulation_Sentence_Structure* message, const AIS_raw_message* raw)
{
    if (message == nullptr || raw == nullptr)
        return false;
    const int bits = raw->bits;
    // A message longer than the payload text can hold is refused, not cut.
    if (bits > 6 * ENCAP_PAYLOAD_MAX || bits > 8 * AIS_RAW_PAYLOAD_SIZE)
        return false;
    std::memset(message->payload, 0, sizeof(message->payload));
    message->fillBits = static_cast<uint8_t>((6 - bits % 6) % 6);
    const int chars = (bits + 5) / 6;
    for (int i = 0; i < chars; ++i) {
        uint32_t value = AisMsgCodec_FieldPick(raw->payload, static_cast<short>(6 * i), 6);
        const int past = 6 * (i + 1) - bits;
        if (past > 0)
            value &= ~((1u << past) - 1u); // fill bits are zero
        message->payload[i] = I62_ConvSix2Ascii(static_cast<uint8_t>(value));
    }
    return true;
}

bool I62_SplitEncapSentence(I61162_Data_Structure* record, Encapsulation_Sentence_Structure* message, int* offset)
{
    if (record == nullptr || message == nullptr || offset == nullptr)
        return true;
    I62_ENCAP_SENTENCE& sentence = record->fields.encap;
    const int length = static_cast<int>(strnlen(message->payload, sizeof(message->payload)));
    const int first = firstCapacity(*message);

    if (*offset == 0) {
        message->total =
            static_cast<uint8_t>(length <= first ? 1 : 1 + (length - first + kSentenceChars - 1) / kSentenceChars);
        message->number = 1;
    } else {
        message->number = static_cast<uint8_t>(message->number + 1);
    }
    sentence.total = message->total;
    sentence.number = message->number;

    const int capacity = *offset == 0 ? first : kSentenceChars;
    const int rest = length - *offset;
    if (rest <= capacity) {
        copyText(sentence.payload, sizeof(sentence.payload), message->payload + *offset,
                 static_cast<std::size_t>(rest < 0 ? 0 : rest));
        sentence.fillBits = message->fillBits;
        return true;
    }
    copyText(sentence.payload, sizeof(sentence.payload), message->payload + *offset,
             static_cast<std::size_t>(capacity));
    sentence.fillBits = 0;
    *offset += capacity;
    return false;
}
