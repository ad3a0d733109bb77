#include "i62/I62Compose.h"

#include "i62/I62Frame.h"
#include "i62/I62Outport.h"
#include "i62/I62ReadBack.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

#include <cstring>

Encapsulation_Sentence_Structure EncapSentenTx;
I62_SENTENCE_QUEUE I62SentenceQueue;

namespace {

// What the checksum completion adds behind the text.
constexpr std::size_t kChecksumBytes = 6;

struct SComposer
{
    const char* formatter;
    bool (*compose)(char* destination, const I61162_Data_Structure* record, std::size_t size);
};

const SComposer kComposers[] = {
    {"RMC", I62_FMT_RMC_Compose},  {"GBS", I62_FMT_GBS_Compose},  {"GSA", I62_FMT_GSA_Compose},
    {"ZDA", I62_FMT_ZDA_Compose},  {"HDT", I62_FMT_HDT_Compose},  {"HDG", I62_FMT_HDG_Compose},
    {"ROT", I62_FMT_ROT_Compose},  {"MID", I62_FMT_PMID_Compose}, {"BDY", I62_FMT_PBDY_Compose},
    {"TST", I62_FMT_PTST_Compose}, {"FRQ", I62_FMT_PFRQ_Compose}, {"BTH", I62_FMT_PBTH_Compose},
    {"DBG", I62_FMT_PDBG_Compose}, {"TPS", I62_FMT_PTPS_Compose}, {"MOB", I62_FMT_PMOB_Compose},
    {"MRK", I62_FMT_MRK_Compose},  {"LRI", AIS_FMT_LRI_Compose},  {"LRF", AIS_FMT_LRF_Compose},
    {"LR1", AIS_FMT_LR1_Compose},  {"LR2", AIS_FMT_LR2_Compose},  {"LR3", AIS_FMT_LR3_Compose},
    {"DSI", I62_FMT_DSI_Compose},  {"VDM", AIS_FMT_VDM_Compose},  {"VDO", AIS_FMT_VDO_Compose},
    {"ABM", AIS_FMT_ABM_Compose},  {"BBM", AIS_FMT_BBM_Compose},  {"ABK", AIS_FMT_ABK_Compose},
    {"ACK", I62_FMT_ACK_Compose},  {"ALR", I62_FMT_ALR_Compose},  {"ACA", AIS_FMT_ACA_Compose},
    {"ACS", AIS_FMT_ACS_Compose},  {"SSD", I62_FMT_SSD_Compose},  {"VSD", I62_FMT_VSD_Compose},
    {"AAR", ATON_FMT_AAR_Compose}, {"ACE", ATON_FMT_ACE_Compose}, {"ACF", ATON_FMT_ACF_Compose},
    {"AFB", ATON_FMT_AFB_Compose}, {"AFC", ATON_FMT_AFC_Compose}, {"AID", ATON_FMT_AID_Compose},
    {"AKE", ATON_FMT_AKE_Compose}, {"ARW", ATON_FMT_ARW_Compose}, {"MCR", ATON_FMT_MCR_Compose},
    {"MPR", ATON_FMT_MPR_Compose}, {"TSP", ATON_FMT_TSP_Compose}, {"VER", ATON_FMT_VER_Compose},
};

void setText(char* destination, std::size_t size, const char* text)
{
    I62_TextUpTo(destination, size, text, '\0');
}

// The composers' channel number: 0 for A, 1 for B, 128 for none.
uint8_t channelNumber(char channel)
{
    if (channel == 'A' || channel == 0)
        return 0;
    if (channel == 'B' || channel == 1)
        return 1;
    return I62_U8_EMPTY;
}

} // namespace

bool I62_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (destination == nullptr || record == nullptr || size <= kChecksumBytes)
        return false;
    const SComposer* entry = I62_FindFormatter(kComposers, record->formatter);
    if (entry == nullptr || !entry->compose(destination, record, size - kChecksumBytes))
        return false;
    return I62_Compose_CheckSum(destination);
}

bool ComposeI62Sentence(char* destination, I61162_Data_Structure* record, const char* formatter, const char* talker,
                        std::size_t size)
{
    if (record == nullptr || formatter == nullptr || talker == nullptr)
        return false;
    setText(record->talker, sizeof(record->talker), talker);
    setText(record->formatter, sizeof(record->formatter), formatter);
    I62_ReadData(record);
    return I62_Compose(destination, record, size);
}

bool ComposeI62AisSentence(I61162_Data_Structure* record, const char* formatter, const AIS_raw_message* message)
{
    if (record == nullptr || formatter == nullptr || message == nullptr)
        return false;
    if (!I62_EncapSentenceEncode(&EncapSentenTx, message))
        return false;
    setText(EncapSentenTx.formatter, sizeof(EncapSentenTx.formatter), formatter);
    record->start = '!';
    setText(record->talker, sizeof(record->talker), "AI");
    setText(record->formatter, sizeof(record->formatter), formatter);
    record->fields.encap = I62_ENCAP_SENTENCE{};
    record->fields.encap.channel = channelNumber(message->channel);
    record->fields.encap.seqId = I62_U8_EMPTY;
    const bool ownVdo = std::strcmp(record->formatter, "VDO") == 0 && record->fields.encap.channel != I62_U8_EMPTY;
    if (ownVdo)
        I62SentenceQueue.count = 0;

    int offset = 0;
    bool last = false;
    while (!last) {
        last = I62_SplitEncapSentence(record, &EncapSentenTx, &offset);
        char text[I62_SENTENCE_OUT_SIZE];
        if (!I62_Compose(text, record, sizeof(text))) {
            AT91F_DBGU_Printk("Compose IEC61162 error!!\n\r");
            return false;
        }
        if (ownVdo)
            I62_SentenceQueueAppend(text);
        else
            AT91F_I62DataOutport(text);
    }
    return true;
}

bool ComposeI62QuerySentence(char* destination, const char* talker, const char* addressedTalker,
                             const char* formatter, std::size_t size)
{
    if (talker == nullptr || addressedTalker == nullptr || formatter == nullptr || size <= kChecksumBytes)
        return false;
    return I62_ComposeText(destination, size - kChecksumBytes, "$%s%sQ,%s", talker, addressedTalker, formatter) &&
           I62_Compose_CheckSum(destination);
}

bool I62_SentenceQueueAppend(const char* sentence)
{
    if (sentence == nullptr || I62SentenceQueue.count >= I62_SENTENCE_QUEUE_SIZE ||
        strnlen(sentence, I62_SENTENCE_QUEUE_TEXT) >= static_cast<std::size_t>(I62_SENTENCE_QUEUE_TEXT))
        return false;
    setText(I62SentenceQueue.sentence[I62SentenceQueue.count], I62_SENTENCE_QUEUE_TEXT, sentence);
    ++I62SentenceQueue.count;
    return true;
}

void I62SentenceQueueOutput()
{
    const int count = I62SentenceQueue.count < I62_SENTENCE_QUEUE_SIZE ? I62SentenceQueue.count
                                                                       : I62_SENTENCE_QUEUE_SIZE;
    for (int i = 0; i < count; ++i)
        AT91F_I62DataOutport(I62SentenceQueue.sentence[i]);
    I62SentenceQueue.count = 0;
}
