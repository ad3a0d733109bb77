#include "i62/AisSentenceStore.h"

#include "i62/GpsStore.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

AIS_Data EXTAISData;

namespace {

I62_FRAGMENT_INFO fragmentOf(const I62_ENCAP_SENTENCE& e)
{
    return I62_FRAGMENT_INFO{e.total, e.number, e.seqId, e.channel};
}

using R = const I61162_Data_Structure&;
using S = AIS_Data&;

// In rising order of the formatter, for the lookup by halving.
constexpr I62_STORE_ENTRY<AIS_Data> kAisStores[] = {
    {"ABK", [](R r, S s) { s.abk = r.fields.abk; }, &AIS_Data::abkPresent},
    {"ABM", [](R r, S s) { s.abm = r.fields.encap; }, &AIS_Data::abmPresent},
    {"ACA", [](R r, S s) { s.aca = r.fields.aca; }, &AIS_Data::acaPresent},
    {"ACK", [](R r, S s) { s.ack = r.fields.ack; }, &AIS_Data::ackPresent},
    {"ACS", [](R r, S s) { s.acs = r.fields.acs; }, &AIS_Data::acsPresent},
    {"AIR", [](R r, S s) { s.air = r.fields.air; }, &AIS_Data::airPresent},
    {"ALR", [](R r, S s) { s.alr = r.fields.alr; }, &AIS_Data::alrPresent},
    {"BBM", [](R r, S s) { s.bbm = r.fields.encap; }, &AIS_Data::bbmPresent},
    {"SSD", [](R r, S s) { s.ssd = r.fields.ssd; }, &AIS_Data::ssdPresent},
    {"TXT", [](R r, S s) { s.txt = r.fields.txt; }, &AIS_Data::txtPresent},
    {"VDM", [](R r, S s) { s.vdm = fragmentOf(r.fields.encap); }, &AIS_Data::vdmPresent},
    {"VDO", [](R r, S s) { s.vdo = fragmentOf(r.fields.encap); }, &AIS_Data::vdoPresent},
    {"VSD", [](R r, S s) { s.vsd = r.fields.vsd; }, &AIS_Data::vsdPresent},
};
constexpr auto kAisStoreKeys = I62_KeysOf(kAisStores);
static_assert(I62_KeysRise(kAisStoreKeys), "the AIS stores' formatters rise");

} // namespace

void StoreAISData(const I61162_Data_Structure* record, AIS_Data* store)
{
    if (record == nullptr || store == nullptr)
        return;
    store->system = I62_GnssSystemOf(record->talker);
    I62_StoreByRisingTable(kAisStores, kAisStoreKeys, *record, record->formatter, *store);
}

void I62_ClearAISDataFlags(AIS_Data* store)
{
    if (store == nullptr)
        return;
    for (const I62_STORE_ENTRY<AIS_Data>& entry : kAisStores)
        store->*entry.present = 0;
}
